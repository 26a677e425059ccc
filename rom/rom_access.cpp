#include "rom/rom_access.h"

#include "rom/frm_destination_controls.h"
#include "rom/host_path.h"
#include "runtime/reports.h"

namespace rom {

RomAccess::RomAccess(RomContext& context, QString task)
    : context_(context), task_(std::move(task)) {}

void RomAccess::fail(const QString& reason) {
  failed_ = true;
  file_.close();
  context_.reports().report(QStringLiteral("%1\n\nROM location: \"%2\"\nFile: %3\nReason: %4.")
                                .arg(task_, location_,
                                     hostPath_.isEmpty() ? QStringLiteral("(none)") : hostPath_,
                                     reason));
}

bool RomAccess::OpenROM() {
  if (failed_) return false;
  location_ = context_.frmDestination().Destination->Text();
  hostPath_ = hostPath(location_, context_.desktopFolder());
  if (hostPath_.isEmpty()) {
    fail(QStringLiteral("no ROM location is given"));
    return false;
  }
  if (const auto reason = file_.open(hostPath_)) {
    fail(*reason);
    return false;
  }
  return true;
}

bool RomAccess::CheckPositions(std::span<const qint64> positions) {
  if (failed_) return false;
  for (const qint64 position : positions) {
    if (const auto reason = file_.checkPosition(position)) {
      fail(*reason);
      return false;
    }
  }
  return true;
}

std::optional<std::uint8_t> RomAccess::GetROMByte(qint64 position) {
  if (failed_) return std::nullopt;
  QString reason;
  const auto byte = file_.readByte(position, reason);
  if (!byte) fail(reason);
  return byte;
}

bool RomAccess::PutROMByte(qint64 position, std::uint8_t byte) {
  if (failed_) return false;
  QString reason;
  if (!file_.writeByte(position, byte, reason)) {
    fail(reason);
    return false;
  }
  return true;
}

}  // namespace rom
