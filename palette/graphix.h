#pragma once

#include "palette/graphix_controls.h"

#include <cstdint>

namespace rom {
class WindowAccess;
}  // namespace rom

namespace palette {

class Graphix : public GraphixControls {
 public:
  explicit Graphix(rom::WindowAccess& windows);

  // The window has no load handler of its own.
  void Form_Load() {}

  // G00..G43; G44 has no click handler.
  void G_Click(int block);
  bool Constant_Timer();
  void Change_Timer();

 private:
  rom::WindowAccess& windows_;
  std::int16_t ClickedBit = 0;
  std::uint8_t SelectedBit = 0;
};

}  // namespace palette
