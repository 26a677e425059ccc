#pragma once

#include "palette/gbase2_controls.h"

class WindowAccess;

class GBase2 : public GBase2Controls {
 public:
  explicit GBase2(WindowAccess& windows);

  void Form_Load() {}

 private:
  WindowAccess& windows_;
};
