#pragma once

#include "palette/graphix_controls.h"

class WindowAccess;

class Graphix : public GraphixControls {
 public:
  explicit Graphix(WindowAccess& windows);

  void Form_Load() {}

 private:
  WindowAccess& windows_;
};
