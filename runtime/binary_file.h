#pragma once

#include <QFile>
#include <QString>

#include <cstdint>
#include <optional>

namespace rt {

// Byte access to one existing file by 1-based position (file offset plus
// one). It never creates, truncates or grows the file and never touches a
// position outside it; every failure comes back as a plain reason.
class BinaryFile {
 public:
  // Opens an existing regular file for reading and writing. Returns the
  // reason when it cannot.
  std::optional<QString> open(const QString& hostPath);
  void close();
  bool isOpen() const { return file_.isOpen(); }
  qint64 size() const { return size_; }

  // The reason why a position cannot be read or written, if any.
  std::optional<QString> checkPosition(qint64 position) const;

  // Each returns the reason of a failure in `reason`.
  std::optional<std::uint8_t> readByte(qint64 position, QString& reason);
  bool writeByte(qint64 position, std::uint8_t byte, QString& reason);

 private:
  bool seekTo(qint64 position, QString& reason);

  QFile file_;
  qint64 size_ = 0;
};

}  // namespace rt
