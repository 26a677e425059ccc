#pragma once

#include <QByteArray>

// A synthetic iNES image of our own making, for trying the editor and for the
// tests: the 16-byte header ("NES", 0x1A, 8 PRG and 16 CHR banks), then bytes
// that hold nothing of the game. Every byte after the header is a block
// number with a picture (0x00..0x43), so any screen record shows pictures
// and no two screens look alike; the colour and strength bytes hold values
// that the dialogs show.
namespace sample_rom {

inline constexpr qsizetype kSize = 262160;

QByteArray make();

}  // namespace sample_rom
