#include "runtime/binary_file.h"

#include <QFileInfo>

namespace rt {

namespace {

bool anyoneMayWrite(const QFileInfo& info) {
  // The permission bits count even for a user whom the system lets write
  // anyway: a file marked read-only is never changed.
  return info.permissions() &
         (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
}

}  // namespace

std::optional<QString> BinaryFile::open(const QString& hostPath) {
  close();
  if (hostPath.isEmpty()) return QStringLiteral("no file is named");
  const QFileInfo info(hostPath);
  if (!info.exists()) return QStringLiteral("the file does not exist");
  if (info.isDir()) return QStringLiteral("it is a folder, not a file");
  if (!info.isFile()) return QStringLiteral("it is not a regular file");
  if (!anyoneMayWrite(info)) return QStringLiteral("the file is read-only");
  file_.setFileName(hostPath);
  if (!file_.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
    return file_.errorString();
  }
  size_ = file_.size();
  return std::nullopt;
}

void BinaryFile::close() {
  if (file_.isOpen()) file_.close();
  size_ = 0;
}

std::optional<QString> BinaryFile::checkPosition(qint64 position) const {
  if (position < 1) {
    return QStringLiteral("position %1 is before the start of the file").arg(position);
  }
  if (position > size_) {
    return QStringLiteral("position %1 is past the end of the file (%2 bytes long)")
        .arg(position)
        .arg(size_);
  }
  return std::nullopt;
}

bool BinaryFile::seekTo(qint64 position, QString& reason) {
  if (!file_.isOpen()) {
    reason = QStringLiteral("the file is not open");
    return false;
  }
  if (const auto outside = checkPosition(position)) {
    reason = *outside;
    return false;
  }
  if (!file_.seek(position - 1)) {
    reason = file_.errorString();
    return false;
  }
  return true;
}

std::optional<std::uint8_t> BinaryFile::readByte(qint64 position, QString& reason) {
  if (!seekTo(position, reason)) return std::nullopt;
  char byte = 0;
  if (!file_.getChar(&byte)) {
    reason = file_.errorString();
    return std::nullopt;
  }
  return static_cast<std::uint8_t>(byte);
}

bool BinaryFile::writeByte(qint64 position, std::uint8_t byte, QString& reason) {
  if (!seekTo(position, reason)) return false;
  if (!file_.putChar(static_cast<char>(byte)) || !file_.flush()) {
    reason = file_.errorString();
    return false;
  }
  return true;
}

}  // namespace rt
