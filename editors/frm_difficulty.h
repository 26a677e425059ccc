#pragma once

#include "editors/frm_difficulty_controls.h"

class WindowAccess;

class frmDifficulty : public frmDifficultyControls {
 public:
  explicit frmDifficulty(WindowAccess& windows);

  void Form_Load();

 private:
  WindowAccess& windows_;
};
