#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace map_editor {

// Area code to screen address. A code without a row (50, the free-address
// code, or any other) names no screen address.
struct AreaRow {
  std::int16_t areaCode;
  int screenAddress;
};

inline constexpr std::array<AreaRow, 37> AreaBaseTable{{
    {1, 99496},    {2, 99272},    {3, 99776},    {4, 99048},    {5, 99720},
    {6, 99888},    {7, 99608},    {8, 99440},    {11, 98600},   {12, 98656},
    {13, 98712},   {14, 98768},   {15, 98824},   {16, 98992},   {20, 107755},
    {21, 106394},  {22, 107531},  {23, 107699},  {24, 129272},  {25, 129440},
    {26, 129328},  {27, 109581},  {28, 109637},  {29, 109189},  {30, 109245},
    {31, 109413},  {32, 109301},  {40, 108461},  {100, 107755}, {300, 111704},
    {400, 113859}, {500, 110633}, {2100, 102542}, {2200, 103684}, {2400, 105750},
    {2500, 101203}, {2600, 100512},
}};

constexpr std::optional<int> screenAddressOf(std::int16_t areaCode) {
  for (const AreaRow& row : AreaBaseTable) {
    if (row.areaCode == areaCode) return row.screenAddress;
  }
  return std::nullopt;
}

// The area code that raw screen addresses go with.
inline constexpr std::int16_t kFreeAddressCode = 50;

}  // namespace map_editor
