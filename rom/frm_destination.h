#pragma once

#include "rom/frm_destination_controls.h"

namespace rom {

class WindowAccess;

class frmDestination : public frmDestinationControls {
 public:
  explicit frmDestination(WindowAccess& windows);

  void Form_Load();
  bool Timer1_Timer();
  void File1_Click();
  void Command1_Click();

 private:
  WindowAccess& windows_;
};

}  // namespace rom
