#pragma once

#include <QtGlobal>

namespace map_editor {

// The ROM position of map cell i (0..55) of the screen at screen address A:
// A + i from 129272 up, else A + i - 65536. The test is made on A alone, so
// one rule holds for all 56 cells; a fraction goes to the nearest whole
// number, halves to the even one. Positions too large for a file come out
// as a huge number, never as an overflow.
qint64 cellPosition(double screenAddress, int cell);

inline constexpr int kMapCells = 56;
inline constexpr double kUpperRuleFrom = 129272;
inline constexpr double kLowerRuleOffset = 65536;

}  // namespace map_editor
