#pragma once

#include "runtime/window.h"

class GraphixControls : public rt::Window {
 public:
  explicit GraphixControls(rt::Runtime& runtime);
};
