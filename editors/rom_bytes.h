#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace rom {
class RomContext;
}

// The byte work of the dialogs that edit single bytes of the ROM image, each
// one whole access within the calling handler.
namespace editors {

struct RomByte {
  qint64 position;
  std::uint8_t byte;
};

// Reads the bytes at `positions` in that order and closes. None when the
// access fails; the failure is reported once.
std::optional<std::vector<std::uint8_t>> readRomBytes(rom::RomContext& context,
                                                      const QString& task,
                                                      std::span<const qint64> positions);

// Writes every byte in that order and closes. Every position is checked
// before the first write, so a save that fails writes nothing; the failure
// is reported once.
bool writeRomBytes(rom::RomContext& context, const QString& task,
                   std::span<const RomByte> bytes);

}  // namespace editors
