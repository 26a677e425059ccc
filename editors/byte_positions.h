#pragma once

#include <QtGlobal>

// The ROM positions of the bytes that the colour and difficulty dialogs edit.
namespace editors {

// The hero's colours.
inline constexpr qint64 kOutlinePosition = 117440;
inline constexpr qint64 kShirtPosition = 117441;
inline constexpr qint64 kSkinPosition = 117442;

// The monsters' strength and the hero's.
inline constexpr qint64 kEnemyPosition = 19443;
inline constexpr qint64 kSimonPosition = 19459;

}  // namespace editors
