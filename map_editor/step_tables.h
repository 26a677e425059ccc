#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace map_editor {

// The arrow buttons' neighbours: the Town's outside screens 1..8 in two rows
// of four, and the trail chain 20..32. A code without a row stays.
struct Step {
  std::int16_t from;
  std::int16_t to;
};

inline constexpr std::array<Step, 5> kUpSteps{{{2, 1}, {4, 3}, {6, 5}, {8, 7}, {30, 29}}};

inline constexpr std::array<Step, 5> kDownSteps{{{1, 2}, {3, 4}, {5, 6}, {7, 8}, {29, 30}}};

inline constexpr std::array<Step, 17> kRightSteps{{
    {1, 3}, {2, 4}, {3, 5}, {4, 6}, {5, 7}, {6, 8},
    {20, 21}, {21, 22}, {22, 23}, {23, 24}, {24, 25}, {25, 26}, {26, 27}, {27, 28}, {28, 29},
    {29, 31}, {30, 32},
}};

inline constexpr std::array<Step, 17> kLeftSteps{{
    {3, 1}, {4, 2}, {5, 3}, {6, 4}, {7, 5}, {8, 6},
    {21, 20}, {22, 21}, {23, 22}, {24, 23}, {25, 24}, {26, 25}, {27, 26}, {28, 27}, {29, 28},
    {31, 29}, {32, 30},
}};

constexpr std::int16_t stepped(std::span<const Step> steps, std::int16_t areaCode) {
  for (const Step& step : steps) {
    if (step.from == areaCode) return step.to;
  }
  return areaCode;
}

}  // namespace map_editor
