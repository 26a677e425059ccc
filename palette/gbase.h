#pragma once

#include "palette/gbase_controls.h"

class WindowAccess;

class GBase : public GBaseControls {
 public:
  explicit GBase(WindowAccess& windows);

  void Form_Load() {}

 private:
  WindowAccess& windows_;
};
