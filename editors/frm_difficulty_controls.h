#pragma once

#include "runtime/window.h"

// The difficulty dialog, "Difficulty".
class frmDifficultyControls : public rt::Window {
 public:
  explicit frmDifficultyControls(rt::Runtime& runtime);
};
