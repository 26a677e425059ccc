#pragma once

#include "map_editor/about_controls.h"

class WindowAccess;

class About : public AboutControls {
 public:
  explicit About(WindowAccess& windows);

  // The window has no load handler of its own.
  void Form_Load() {}
  void Command1_Click();
};
