#include "rom/rom_access.h"

#include "rom/host_path.h"
#include "runtime/binary_file.h"
#include "runtime/reports.h"

namespace rom {

namespace {

const QString kNothingChanged = QStringLiteral("Nothing in the file was changed.");

// One access: OpenROM, single bytes at 1-based ROM positions, CloseROM.
class RomAccess {
 public:
  RomAccess(RomContext& context, QString task)
      : context_(context), task_(std::move(task)), file_(context.systemCalls()) {}

  // Each step gives the reason of its failure, if any.
  std::optional<QString> OpenROM() {
    location_ = context_.romLocation();
    hostPath_ = hostPath(location_, context_.desktopFolder());
    if (hostPath_.isEmpty()) return QStringLiteral("no ROM location is given");
    return file_.open(hostPath_);
  }

  std::optional<QString> CheckPositions(std::span<const qint64> positions) const {
    for (const qint64 position : positions) {
      if (auto reason = file_.checkPosition(position)) return reason;
    }
    return std::nullopt;
  }

  rt::BinaryFile& file() { return file_; }
  // Once the bytes are on the disk, only the close is left to fail.
  void bytesWritten() {
    task_ = QStringLiteral("The ROM image could not be closed after the write.");
  }

  // Closes the file, then reports `failure`, a failed close included, once,
  // with what the access has left in the file. False when it reported.
  bool CloseROM(std::optional<QString> failure, const QString& outcome = {}) {
    if (const auto closing = file_.close()) {
      failure = failure ? *failure + QStringLiteral("; then ") + *closing : *closing;
    }
    if (!failure) return true;
    context_.reports().report(
        QStringLiteral("%1\n\nROM location: \"%2\"\nFile: %3\nReason: %4.%5")
            .arg(task_, location_, hostPath_.isEmpty() ? QStringLiteral("(none)") : hostPath_,
                 *failure, outcome.isEmpty() ? QString() : '\n' + outcome));
    return false;
  }

 private:
  RomContext& context_;
  QString task_;
  QString location_;
  QString hostPath_;
  rt::BinaryFile file_;
};

// Reads the bytes at `positions` into `bytes` after the open and the check
// of every position; the first failure, if any.
std::optional<QString> openAndRead(RomAccess& rom, std::span<const qint64> positions,
                                   std::vector<std::uint8_t>& bytes) {
  std::optional<QString> failure = rom.OpenROM();
  if (!failure) failure = rom.CheckPositions(positions);
  bytes.assign(positions.size(), 0);
  for (std::size_t i = 0; !failure && i < positions.size(); ++i) {
    failure = rom.file().readByte(positions[i], bytes[i]);
  }
  return failure;
}

// Puts the first `count` old bytes back and on the disk; says what the file
// holds then.
QString putBack(rt::BinaryFile& file, std::span<const qint64> positions,
                std::span<const std::uint8_t> old, std::size_t count) {
  QStringList lost;
  for (std::size_t i = 0; i < count; ++i) {
    const auto reason = file.writeByte(positions[i], old[i]);
    // A byte that cannot be put back may still hold its old value: the
    // write that failed before may not have landed.
    std::uint8_t now = 0;
    if (reason && (file.readByte(positions[i], now) || now != old[i])) {
      lost << QStringLiteral("position %1, which held %2 (%3)")
                  .arg(positions[i])
                  .arg(old[i])
                  .arg(*reason);
    }
  }
  const auto syncing = file.sync();
  if (!lost.isEmpty()) {
    return QStringLiteral("These bytes could not be put back: %1.")
        .arg(lost.join(QStringLiteral("; ")));
  }
  if (syncing) return QStringLiteral("The old bytes were put back, but %1.").arg(*syncing);
  return kNothingChanged;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readROM(RomContext& context, const QString& task,
                                                 std::span<const qint64> positions) {
  RomAccess rom(context, task);
  std::vector<std::uint8_t> bytes;
  const auto failure = openAndRead(rom, positions, bytes);
  if (!rom.CloseROM(failure)) return std::nullopt;
  return bytes;
}

bool writeROM(RomContext& context, const QString& task, std::span<const RomByte> bytes) {
  RomAccess rom(context, task);
  std::vector<qint64> positions;
  for (const RomByte& each : bytes) positions.push_back(each.position);
  // The bytes that the write overwrites, to be put back.
  std::vector<std::uint8_t> old;
  std::optional<QString> failure = openAndRead(rom, positions, old);
  if (failure) return rom.CloseROM(failure, kNothingChanged);

  // A write that failed may have landed all the same: it is put back too.
  std::size_t tried = 0;
  while (!failure && tried < bytes.size()) {
    failure = rom.file().writeByte(bytes[tried].position, bytes[tried].byte);
    ++tried;
  }
  if (!failure) failure = rom.file().sync();
  if (!failure) {
    rom.bytesWritten();
    return rom.CloseROM(std::nullopt, QStringLiteral("The bytes are written and on the disk."));
  }
  return rom.CloseROM(failure, putBack(rom.file(), positions, old, tried));
}

}  // namespace rom
