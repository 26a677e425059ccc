#pragma once

#include "runtime/window.h"

// The About box, "About... bla bla bla".
class AboutControls : public rt::Window {
 public:
  explicit AboutControls(rt::Runtime& runtime);
};
