#pragma once

#include "runtime/window.h"

// The start-up window, "Castlevania 2 - Marrow Gate".
class frmMainControls : public rt::Window {
 public:
  explicit frmMainControls(rt::Runtime& runtime);
};
