#include "editors/rom_bytes.h"

#include "rom/rom_access.h"

namespace editors {

std::optional<std::vector<std::uint8_t>> readRomBytes(rom::RomContext& context,
                                                      const QString& task,
                                                      std::span<const qint64> positions) {
  rom::RomAccess rom(context, task);
  if (!rom.OpenROM()) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  for (const qint64 position : positions) {
    const auto byte = rom.GetROMByte(position);
    if (!byte) return std::nullopt;
    bytes.push_back(*byte);
  }
  rom.CloseROM();
  return bytes;
}

bool writeRomBytes(rom::RomContext& context, const QString& task,
                   std::span<const RomByte> bytes) {
  rom::RomAccess rom(context, task);
  if (!rom.OpenROM()) return false;
  std::vector<qint64> positions;
  for (const RomByte& each : bytes) positions.push_back(each.position);
  if (!rom.CheckPositions(positions)) return false;
  for (const RomByte& each : bytes) {
    if (!rom.PutROMByte(each.position, each.byte)) return false;
  }
  rom.CloseROM();
  return true;
}

}  // namespace editors
