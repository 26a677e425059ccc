#pragma once

#include "map_editor/about_controls.h"

namespace rom {
class WindowAccess;
}  // namespace rom

namespace map_editor {

class About : public AboutControls {
 public:
  explicit About(rom::WindowAccess& windows);

  // The window has no load handler of its own.
  void Form_Load() {}
  void Command1_Click();
};

}  // namespace map_editor
