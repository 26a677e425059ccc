#pragma once

#include "palette/picture_banks.h"

#include <array>
#include <cstdint>

namespace palette {

// Which bank members a picture set load gives to which palette cells. Cells
// and members pair in the order listed; a cell that a set leaves out keeps
// the picture it had.
struct CellRun {
  int firstCell;
  int lastCell;
  int firstMember;
};

struct PictureSetLoad {
  // The picture set numbers recorded..lastNumber choose the load; GLET
  // records the first of them.
  int recorded;
  int lastNumber;
  Bank bank;
  std::array<CellRun, 2> runs;
  int runCount;
};

// The Camilla set also gives C42 and C43 to G42 and G43, so that its block
// numbers 0x42 and 0x43 show its own pictures; the place list hides G44,
// for which it has none.
inline constexpr std::array<PictureSetLoad, 6> kPictureSetLoads{{
    {1, 1, Bank::G, {{{0x00, 0x43, 0x00}, {0x44, 0x44, 0x43}}}, 2},
    {2, 3, Bank::T, {{{0x00, 0x44, 0x00}}}, 1},
    {4, 4, Bank::M, {{{0x00, 0x41, 0x00}}}, 1},
    {5, 5, Bank::C, {{{0x00, 0x43, 0x00}}}, 1},
    {6, 6, Bank::D, {{{0x00, 0x38, 0x00}, {0x3A, 0x3F, 0x3A}}}, 2},
    {7, 7, Bank::V, {{{0x00, 0x3D, 0x00}}}, 1},
}};

// The load for a picture set number: 2 and 3 share the Trail set, and a
// number that chooses no load loads the first, the Town set.
const PictureSetLoad& pictureSetLoadFor(int number);

}  // namespace palette
