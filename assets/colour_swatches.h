#pragma once

#include <QImage>

#include <array>
#include <cstdint>

// The colour swatches of the colour dialog: one solid picture per colour
// index, the NES palette colours 0x00..0x21 as the dialog shows them.
namespace assets {

inline constexpr int kSwatchWidth = 25;
inline constexpr int kSwatchHeight = 22;

// Colour indices 0..33 as 0xRRGGBB.
inline constexpr std::array<std::uint32_t, 34> kNesColours{
    0x707770, 0x1F00AF, 0x2000B0, 0x5F0F9F, 0x901F70, 0xAF0F2F, 0x9F2F00, 0x703F00,
    0x405700, 0x306700, 0x306800, 0x2F5F3F, 0x2F4F7F, 0x000000, 0x000000, 0x000000,
    0xAFAFAF, 0x3F5FF0, 0x3F3FFF, 0x8F3FEF, 0xD03FBF, 0xD03F5F, 0xDF4F00, 0xBF6F00,
    0x808700, 0x4F9F00, 0x40A70F, 0x409F60, 0x3F8FBF, 0x000000, 0x000000, 0x000000,
    0xE0E7E0, 0x5F9FFF,
};

// Five swatches past the last colour index repeat index 17; no scroll bar
// reaches them.
inline constexpr int kSwatchCount = 39;
inline constexpr int kRepeatedIndex = 17;

inline constexpr std::array<std::uint32_t, kSwatchCount> kSwatchColours = [] {
  std::array<std::uint32_t, kSwatchCount> colours{};
  for (int i = 0; i < kSwatchCount; ++i) {
    colours[i] = i < static_cast<int>(kNesColours.size()) ? kNesColours[i]
                                                          : kNesColours[kRepeatedIndex];
  }
  return colours;
}();

// Swatch `index` (0..38), 25 x 22 pixels of its one colour, 24-bit.
QImage colourSwatch(int index);

}  // namespace assets
