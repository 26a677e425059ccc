#pragma once

#include "app/program.h"
#include "faulty_calls.h"
#include "rom/frm_destination.h"
#include "tools/sample_rom.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// The ROM positions of the dialogs' bytes as the tests expect them, written
// here rather than taken from the editor's code.
namespace positions {
inline constexpr qint64 kOutline = 117440, kShirt = 117441, kSkin = 117442;
inline constexpr qint64 kEnemy = 19443, kSimon = 19459;
}  // namespace positions

// Bytes to put at 1-based ROM positions.
using Bytes = std::vector<std::pair<qint64, std::uint8_t>>;

inline QByteArray withBytes(QByteArray image, const Bytes& bytes) {
  for (const auto& [position, byte] : bytes) image[position - 1] = static_cast<char>(byte);
  return image;
}

// Temporary ROM images.
class RomFiles {
 public:
  RomFiles() { EXPECT_TRUE(dir_.isValid()); }

  QString path(const QString& name) const { return dir_.filePath(name); }
  QString folder() const { return dir_.path(); }

  QString write(const QString& name, const QByteArray& bytes = sample_rom::make()) const {
    QFile file(path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path(name);
  }

  static QByteArray read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }

  static void makeReadOnly(const QString& path) {
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                    QFileDevice::ReadOther);
  }

 private:
  QTemporaryDir dir_;
};

// A fresh program per test, with timers that only tick when the test ticks
// them, reports collected instead of shown and system calls that the test
// can make fail.
class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() : program_(std::make_unique<app::Program>(options())) {}

  app::ProgramOptions options() {
    app::ProgramOptions options;
    options.clock = rt::TimerHub::Clock::Manual;
    options.desktopFolder = files_.path(QStringLiteral("Desktop"));
    options.reportHook = [this](const QString& message) { reports_.push_back(message); };
    options.onEnd = [this] { ++ends_; };
    options.systemCalls = calls_;
    return options;
  }

  app::Program& program() { return *program_; }

  // The sample image with bytes put at 1-based ROM positions.
  static QByteArray imageWith(const Bytes& bytes) { return withBytes(sample_rom::make(), bytes); }

  // Points the ROM location at a file, as if the user typed it.
  void useRom(const QString& path) { program_->frmDestination().Destination->setText(path); }

  // One round of every enabled timer.
  void tickAll() { program_->runtime().timers.tickAll(); }

  RomFiles files_;
  std::shared_ptr<FaultyCalls> calls_ = std::make_shared<FaultyCalls>();
  std::vector<QString> reports_;
  int ends_ = 0;

 private:
  std::unique_ptr<app::Program> program_;
};
