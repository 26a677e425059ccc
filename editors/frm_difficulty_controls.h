#pragma once

#include "runtime/timer.h"
#include "runtime/window.h"

namespace editors {

// The difficulty dialog, "Difficulty": the hero's and the monsters' strength
// as levels on two scroll bars, each named by a caption below its bar.
class frmDifficultyControls : public rt::Window {
 public:
  explicit frmDifficultyControls(rt::Runtime& runtime);

  rt::Label* Label2;
  rt::ScrollBar* ScrollSimon;
  rt::Label* lblSimon;
  rt::Label* Label1;
  rt::ScrollBar* ScrollEnemy;
  rt::Label* lblEnemy;
  rt::CommandButton* cmdSave;
  rt::Timer Constant;
};

}  // namespace editors
