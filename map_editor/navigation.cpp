// Screen navigation: the arrow buttons step the area code through its
// neighbours, "LOAD" reads the screen again, and the "Hacker Pro:" controls
// step or set the screen address itself.
#include "map_editor/area_table.h"
#include "map_editor/frm_main.h"
#include "map_editor/screen_position.h"
#include "rom/window_access.h"
#include "runtime/conversions.h"

#include <QApplication>

namespace map_editor {

namespace {

const QString kStepFailed = QStringLiteral("The screen address could not be stepped.");
const QString kGoFailed = QStringLiteral("The typed screen address could not be used.");

}  // namespace

void frmMain::wireNavigation() {
  Command1->onClick([this] { Command1_Click(); });
  Command2->onClick([this] { Command2_Click(); });
  Command3->onClick([this] { Command3_Click(); });
  Command4->onClick([this] { Command4_Click(); });
  Command5->onClick([this] { Command5_Click(); });
  Command6->onClick([this] { Command6_Click(); });
  Command7->onClick([this] { Command7_Click(); });
  Command8->onClick([this] { Command8_Click(); });
  Command9->onClick([this] { Command9_Click(); });
  GO->onClick([this] { GO_Click(); });
  CheckPro->onClick([this] { CheckPro_Click(); });
  connect(WhereAt, &QLineEdit::textEdited, this, [this] { typedAddress_ = true; });
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                        [this](QWidget*, QWidget* now) { dropTypedAddress(now); });
}

frmMain::~frmMain() {
  // Tearing the window down moves the focus; by then this is no frmMain.
  disconnect(focusWatch_);
}

void frmMain::Command1_Click() { LoadROM.setEnabled(true); }

void frmMain::stepArea(std::span<const Step> steps) {
  AreaCode = stepped(steps, AreaCode);
  // Without a neighbour the button still reloads the screen.
  LoadROM.setEnabled(true);
}

void frmMain::Command2_Click() { stepArea(kUpSteps); }
void frmMain::Command3_Click() { stepArea(kDownSteps); }
void frmMain::Command4_Click() { stepArea(kRightSteps); }
void frmMain::Command5_Click() { stepArea(kLeftSteps); }

void frmMain::stepAddress(double step) {
  AreaCode = kFreeAddressCode;
  const auto address = screenAddress(kStepFailed);
  if (!address) return;
  ScreenBase = rt::numberText(*address + step);
  LoadROM.setEnabled(true);
}

// A screen record holds one byte per map cell.
void frmMain::Command6_Click() { stepAddress(-kMapCells); }
void frmMain::Command7_Click() { stepAddress(kMapCells); }
void frmMain::Command8_Click() { stepAddress(1); }
void frmMain::Command9_Click() { stepAddress(-1); }

void frmMain::dropTypedAddress(QWidget* focusNow) {
  // A press on "GO !" takes the focus before its click arrives.
  if (focusNow == WhereAt || focusNow == GO) return;
  typedAddress_ = false;
}

void frmMain::GO_Click() {
  if (!typedAddress_) return;
  const QString typed = WhereAt->Text();
  if (!addressValue(typed, kGoFailed)) return;
  typedAddress_ = false;
  ScreenBase = typed;
  AreaCode = kFreeAddressCode;
  LoadROM.setEnabled(true);
}

void frmMain::CheckPro_Click() {
  const bool shown = CheckPro->Value() != 0;
  for (QWidget* control : std::initializer_list<QWidget*>{Command6, Command7, Command8, Command9,
                                                          GO, WhereAt}) {
    control->setVisible(shown);
  }
}

}  // namespace map_editor
