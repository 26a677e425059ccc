#pragma once

// Block numbers, the bytes of a screen record, as the palette has them.
namespace palette {

// 0x00..0x43 have pictures in the map cells and can be chosen in the
// palette.
inline constexpr int kLastBlockWithPicture = 0x43;

// One palette cell for each of 0x00..0x44: the Trail set also has a picture
// for 0x44, which only its palette cell shows.
inline constexpr int kPaletteCells = 0x45;

}  // namespace palette
