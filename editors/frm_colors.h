#pragma once

#include "editors/frm_colors_controls.h"

class WindowAccess;

class frmColors : public frmColorsControls {
 public:
  explicit frmColors(WindowAccess& windows);

  void Form_Load();

 private:
  WindowAccess& windows_;
};
