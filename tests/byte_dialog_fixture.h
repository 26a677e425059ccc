#pragma once

#include "fixtures.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

// For the dialogs that edit single bytes of the ROM image: images with
// chosen bytes, images that every access fails on, and a look at every file.
class ByteDialogTest : public ProgramTest {
 protected:
  QString romWith(const Bytes& bytes, const QString& name = QStringLiteral("cv2.nes")) {
    return files_.write(name, imageWith(bytes));
  }

  // Every file of the temporary folder with its bytes, so that a test sees
  // a file created as well as a byte changed.
  std::map<QString, QByteArray> everyFile() const {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(files_.folder()).entryList(QDir::Files)) {
      files[name] = RomFiles::read(files_.path(name));
    }
    return files;
  }

  struct FailingRom {
    const char* what;
    QString path;
  };

  // A missing file, a read-only one, and one that ends just before
  // `lastPosition`, so that the positions before it lie inside.
  std::vector<FailingRom> failingRoms(qint64 lastPosition) {
    const QString readOnly = files_.write(QStringLiteral("read-only.nes"));
    RomFiles::makeReadOnly(readOnly);
    return {
        {"missing", files_.path(QStringLiteral("missing.nes"))},
        {"read-only", readOnly},
        {"too short",
         files_.write(QStringLiteral("short.nes"), sample_rom::make().left(lastPosition - 1))},
    };
  }

  // On each failing image: the opening reports once and leaves the design
  // values, an edit and a "SAVE" report once more, and no file changes.
  void expectFailuresChangeNothing(qint64 lastPosition, const std::function<QWidget&()>& open,
                                   const std::function<void()>& expectDesignValues,
                                   const std::function<void()>& editAndSave) {
    for (const FailingRom& rom : failingRoms(lastPosition)) {
      SCOPED_TRACE(rom.what);
      const auto before = everyFile();
      reports_.clear();
      useRom(rom.path);
      QWidget& dialog = open();
      EXPECT_EQ(reports_.size(), 1u);
      expectDesignValues();
      editAndSave();
      EXPECT_EQ(reports_.size(), 2u);
      EXPECT_EQ(everyFile(), before);
      closeByFrame(dialog);
    }
  }

  // The close box, then the deferred delete that unloads the window.
  static void closeByFrame(QWidget& window) {
    window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // The one colour of a solid picture as 0xRRGGBB; none for an empty or
  // mixed one.
  static std::optional<QRgb> solidColour(const QPixmap& picture) {
    const QImage image = picture.toImage();
    if (image.isNull()) return std::nullopt;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != first) return std::nullopt;
      }
    }
    return first & 0xFFFFFF;
  }
};
