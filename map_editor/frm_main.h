#pragma once

#include "map_editor/frm_main_controls.h"

class WindowAccess;

class frmMain : public frmMainControls {
 public:
  explicit frmMain(WindowAccess& windows);

  void Form_Load();
  void Form_Unload();

 private:
  WindowAccess& windows_;
};
