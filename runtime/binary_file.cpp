#include "runtime/binary_file.h"

#include <QFile>

#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace rt {

namespace {

// The step that failed and the system's own words for `error`, taken from
// errno right after the call.
QString failed(const QString& step, int error) {
  return QStringLiteral("%1 failed: %2").arg(step, QString::fromLocal8Bit(std::strerror(error)));
}

QString position(qint64 position) { return QStringLiteral("position %1").arg(position); }

}  // namespace

BinaryFile::~BinaryFile() {
  if (isOpen()) calls_.close(descriptor_);
}

std::optional<QString> BinaryFile::open(const QString& hostPath) {
  if (hostPath.isEmpty()) return QStringLiteral("no file is named");
  // Never created or truncated; a FIFO or device cannot hold the open.
  descriptor_ = calls_.open(QFile::encodeName(hostPath).constData(),
                            O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (descriptor_ < 0) return failed(QStringLiteral("opening the file"), errno);
  struct ::stat status {};
  if (calls_.fstat(descriptor_, &status) != 0) {
    return failed(QStringLiteral("examining the open file"), errno);
  }
  if (!S_ISREG(status.st_mode)) return QStringLiteral("it is not a regular file");
  // The permission bits count even for a user whom the system lets write
  // anyway: a file marked read-only is never changed.
  if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    return QStringLiteral("the file is read-only");
  }
  size_ = status.st_size;
  return std::nullopt;
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

std::optional<QString> BinaryFile::usable(qint64 position) const {
  if (!isOpen()) return QStringLiteral("the file is not open");
  return checkPosition(position);
}

std::optional<QString> BinaryFile::readByte(qint64 at, std::uint8_t& byte) {
  if (auto reason = usable(at)) return reason;
  std::uint8_t read = 0;
  const ssize_t count = calls_.pread(descriptor_, &read, 1, at - 1);
  if (count < 0) return failed(QStringLiteral("reading ") + position(at), errno);
  // The file has shrunk since it was opened.
  if (count == 0) return QStringLiteral("reading %1 met the end of the file").arg(position(at));
  byte = read;
  return std::nullopt;
}

std::optional<QString> BinaryFile::writeByte(qint64 at, std::uint8_t byte) {
  if (auto reason = usable(at)) return reason;
  const ssize_t count = calls_.pwrite(descriptor_, &byte, 1, at - 1);
  if (count < 0) return failed(QStringLiteral("writing ") + position(at), errno);
  if (count == 0) return QStringLiteral("writing %1 wrote nothing").arg(position(at));
  return std::nullopt;
}

std::optional<QString> BinaryFile::sync() {
  if (!isOpen()) return QStringLiteral("the file is not open");
  if (calls_.fdatasync(descriptor_) != 0) {
    return failed(QStringLiteral("putting the bytes on the disk"), errno);
  }
  return std::nullopt;
}

std::optional<QString> BinaryFile::close() {
  if (!isOpen()) return std::nullopt;
  const int descriptor = std::exchange(descriptor_, -1);
  size_ = 0;
  if (calls_.close(descriptor) != 0) return failed(QStringLiteral("closing the file"), errno);
  return std::nullopt;
}

}  // namespace rt
