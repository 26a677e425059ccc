#pragma once

#include <array>
#include <cstdint>
#include <optional>

// The strength levels 1..4 of the difficulty dialog and the bytes that stand
// for them, used both ways: byte to level at load, level to byte at "SAVE".
namespace editors::strength {

struct Level {
  int level;
  std::uint8_t simonByte;
  const char* simonCaption;
  std::uint8_t enemyByte;
  const char* enemyCaption;
};

inline constexpr std::array<Level, 4> kLevels{{
    {1, 255, "Super Weak", 8, "Super Weak"},
    {2, 155, "Weak", 4, "Weak"},
    {3, 139, "?Default?", 1, "?Default?"},
    {4, 0, "God", 0, "Super Tough"},
}};

inline constexpr int kLowest = kLevels.front().level;
inline constexpr int kHighest = kLevels.back().level;

// The level whose byte is exactly `byte`, first match in level order; none
// for a byte outside the table.
constexpr std::optional<int> levelOf(std::uint8_t Level::*side, std::uint8_t byte) {
  for (const Level& each : kLevels) {
    if (each.*side == byte) return each.level;
  }
  return std::nullopt;
}

constexpr std::optional<int> simonLevelOf(std::uint8_t byte) {
  return levelOf(&Level::simonByte, byte);
}
constexpr std::optional<int> enemyLevelOf(std::uint8_t byte) {
  return levelOf(&Level::enemyByte, byte);
}

// The row of a level; a scroll bar holds only kLowest..kHighest.
constexpr const Level& row(int level) { return kLevels.at(level - kLowest); }

}  // namespace editors::strength
