#pragma once

#include "assets/colour_swatches.h"
#include "runtime/timer.h"
#include "runtime/window.h"

#include <array>

namespace editors {

// The colour dialog, "Change the Colors": the hero's outline, shirt and skin
// colour indices on three scroll bars, each previewed beside its bar.
class frmColorsControls : public rt::Window {
 public:
  explicit frmColorsControls(rt::Runtime& runtime);

  rt::Label* Label4;
  rt::PictureCell* Image1;
  rt::Label* Label1;
  rt::ScrollBar* ScrollSimonOutline;
  rt::PictureCell* Picture1;
  rt::PictureCell* ColorSimonOutline;
  rt::Label* Label2;
  rt::ScrollBar* ScrollSimonShirt;
  rt::PictureCell* Picture2;
  rt::PictureCell* ColorSimonShirt;
  rt::Label* Label3;
  rt::ScrollBar* ScrollSimonSkin;
  rt::PictureCell* Picture3;
  rt::PictureCell* ColorSimonSkin;
  rt::CommandButton* cmdSave;
  rt::Timer Constant;
  // The hidden colour swatches, one per colour index and five more.
  std::array<rt::PictureCell*, assets::kSwatchCount> Color;
};

}  // namespace editors
