#pragma once

// What the reference window shows, so that the X poller knows its first
// paint when the server has it.
#include <QRgb>

namespace bare {

inline constexpr char kTitle[] = "bare Qt window";
inline constexpr QRgb kFill = 0x285AA0;

}  // namespace bare
