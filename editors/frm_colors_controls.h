#pragma once

#include "runtime/window.h"

// The colour dialog, "Change the Colors".
class frmColorsControls : public rt::Window {
 public:
  explicit frmColorsControls(rt::Runtime& runtime);
};
