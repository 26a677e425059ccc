#pragma once

#include <QtGlobal>

// The ROM positions of the dialogs' bytes as the tests expect them, written
// here rather than taken from the editor's code.
namespace positions {

inline constexpr qint64 kOutline = 117440;
inline constexpr qint64 kShirt = 117441;
inline constexpr qint64 kSkin = 117442;
inline constexpr qint64 kEnemy = 19443;
inline constexpr qint64 kSimon = 19459;

}  // namespace positions
