#include "tools/sample_rom.h"

#include "editors/byte_positions.h"
#include "palette/block_numbers.h"

#include <cstdint>

namespace sample_rom {

namespace {

// A small integer hash, so that neighbouring screens differ.
std::uint32_t mix(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

void put(QByteArray& image, qsizetype position, int byte) {
  image[position - 1] = static_cast<char>(byte);
}

}  // namespace

QByteArray make() {
  QByteArray image(kSize, '\0');
  image[0] = 'N';
  image[1] = 'E';
  image[2] = 'S';
  image[3] = 0x1A;
  image[4] = 8;   // 16 KiB PRG banks
  image[5] = 16;  // 8 KiB CHR banks
  constexpr std::uint32_t kBlocksWithPictures = palette::kLastBlockWithPicture + 1;
  for (qsizetype offset = 16; offset < kSize; ++offset) {
    image[offset] = static_cast<char>(mix(static_cast<std::uint32_t>(offset)) % kBlocksWithPictures);
  }
  put(image, editors::kOutlinePosition, 0x0C);
  put(image, editors::kShirtPosition, 0x16);
  put(image, editors::kSkinPosition, 0x20);
  put(image, editors::kEnemyPosition, 1);
  put(image, editors::kSimonPosition, 139);
  return image;
}

}  // namespace sample_rom
