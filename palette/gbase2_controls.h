#pragma once

#include "runtime/window.h"

class GBase2Controls : public rt::Window {
 public:
  explicit GBase2Controls(rt::Runtime& runtime);
};
