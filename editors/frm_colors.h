#pragma once

#include "editors/frm_colors_controls.h"

#include <cstdint>

namespace rom {
class WindowAccess;
}  // namespace rom

namespace editors {

class frmColors : public frmColorsControls {
 public:
  explicit frmColors(rom::WindowAccess& windows);

  void Form_Load();
  bool Constant_Timer();
  void cmdSave_Click();

 private:
  rom::WindowAccess& windows_;
  std::uint8_t LoadedSkin = 0;
  std::uint8_t LoadedShirt = 0;
  std::uint8_t LoadedOutline = 0;
  std::uint8_t SavedSkin = 0;
  std::uint8_t SavedShirt = 0;
  std::uint8_t SavedOutline = 0;
};

}  // namespace editors
