#pragma once

#include "runtime/window.h"

class GBaseControls : public rt::Window {
 public:
  explicit GBaseControls(rt::Runtime& runtime);
};
