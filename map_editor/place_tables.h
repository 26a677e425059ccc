#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace map_editor {

// What a choice in the place list and in the location lists sets. A choice
// is recognised by the selected item's whole text.
struct PlaceRow {
  const char* place;
  std::int16_t areaCode;
  int pictureSet;  // GScroll
  int subList;     // 1 for Location, 2 for Location2, ...
  std::array<int, 7> hiddenCells;  // palette cells by block number
  int hiddenCount;
};

// "Camilla Cemetary" hides G44: its set has no picture for block 0x44.
inline constexpr std::array<PlaceRow, 7> kPlaces{{
    {"Town", 1, 1, 1, {0x44}, 1},
    {"Trail 1", 20, 2, 2, {}, 0},
    {"Trail 2", 100, 3, 3, {}, 0},
    {"Mansions", 2100, 4, 4, {0x42, 0x43, 0x44}, 3},
    {"Camilla Cemetary", 300, 5, 5, {0x44}, 1},
    {"Dracula's Tomb", 400, 6, 6, {0x39, 0x40, 0x41, 0x42, 0x43, 0x44}, 6},
    {"Vrad's Cemetary", 500, 7, 7, {0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44}, 7},
}};

// The palette cells that the place list shows before it hides a place's.
inline constexpr std::array<int, 8> kHideableCells{0x39, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44};

struct LocationRow {
  const char* item;
  std::int16_t areaCode;
};

inline constexpr std::array<LocationRow, 7> kTownLocations{{
    {"Outside", 1}, {"Room 1", 11}, {"Room 2", 12}, {"Room 3", 13},
    {"Room 4", 14}, {"Room 5", 15}, {"Room 6", 16},
}};

inline constexpr std::array<LocationRow, 5> kTrailLocations{{
    {"Path 1", 20}, {"Path 2", 24}, {"Path 3", 27}, {"Path 4", 29}, {"Caves", 40},
}};

// No item and no area code exist for a third mansion.
inline constexpr std::array<LocationRow, 5> kMansionLocations{{
    {"Mansion 1", 2100}, {"Mansion 2", 2200}, {"Mansion 4", 2400},
    {"Mansion 5", 2500}, {"Boss Chamber", 2600},
}};

}  // namespace map_editor
