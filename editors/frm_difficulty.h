#pragma once

#include "editors/frm_difficulty_controls.h"

#include <cstdint>

namespace rom {
class WindowAccess;
}  // namespace rom

namespace editors {

class frmDifficulty : public frmDifficultyControls {
 public:
  explicit frmDifficulty(rom::WindowAccess& windows);

  void Form_Load();
  bool Constant_Timer();
  void cmdSave_Click();

 private:
  rom::WindowAccess& windows_;
  std::uint8_t LoadedSimon = 0;
  std::uint8_t LoadedEnemy = 0;
  std::uint8_t SavedSimon = 0;
  std::uint8_t SavedEnemy = 0;
};

}  // namespace editors
