#pragma once

#include "palette/picture_banks.h"
#include "runtime/window.h"

#include <array>

namespace palette {

// The block palette, "Rivaru Daro": one cell per block number of the chosen
// place's picture set.
class GraphixControls : public rt::Window {
 public:
  // The start pictures are the Town bank's own.
  GraphixControls(rt::Runtime& runtime, const PictureBank& town);

  // G00..G44 by block number.
  std::array<rt::PictureCell*, kPaletteCells> G{};
  // The picture set number loaded.
  rt::ScrollBar* GLET;
  // Request timer: load the picture set that the main window's GScroll names.
  rt::Timer Change;
  rt::Timer Constant;
};

}  // namespace palette
