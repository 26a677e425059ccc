#pragma once

#include "map_editor/frm_main_controls.h"
#include "map_editor/place_tables.h"
#include "map_editor/step_tables.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace rom {
class WindowAccess;
}  // namespace rom

namespace map_editor {

class frmMain : public frmMainControls {
 public:
  explicit frmMain(rom::WindowAccess& windows);
  ~frmMain() override;

  void Form_Load();
  void Form_Unload();

  // Place and location choices.
  void Place_Click();
  void Location_Click();
  void Location2_Click();
  void Location4_Click();

  // The screen load.
  void LoadROM_Timer();

  // Map cell editing: B0 writes within its click, B1..B55 through SaveToROM.
  void B_Click(int cell);
  void SaveToROM_Timer();
  bool Constant_Timer();

  // Screen navigation.
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command9_Click();
  void GO_Click();
  void CheckPro_Click();

  // Menus and the picture that opens the About box.
  void mnuDestination_Click();
  void mnuExit_Click();
  void mnuDifficulty_Click();
  void mnuColors_Click();
  void mnuRivaruDaro_Click();
  void Image1_Click();

  // The window's own state.
  std::int16_t AreaCode = 0;
  QString ScreenBase;
  std::uint8_t CellIndex = 0;
  std::uint8_t LoadedBit = 0;
  std::uint8_t PaintBit = 0;

 private:
  void wireNavigation();
  void wireMenus();
  void stepArea(std::span<const Step> steps);
  void stepAddress(double step);
  // The user's typed address lives from the first keystroke in WhereAt until
  // "GO !" takes it or the focus goes elsewhere.
  void dropTypedAddress(QWidget* focusNow);
  void chooseLocation(const rt::ListBox& list, std::span<const LocationRow> rows);
  void requestPictureSetLoad();
  // The 56 block numbers of the screen at ScreenBase; none, reported, when
  // they cannot be read.
  std::optional<std::vector<std::uint8_t>> readScreen();
  // Writes PaintBit at the ROM position of the cell of the screen that
  // ScreenBase holds now; false when a failure was reported.
  bool writeCell(int cell);
  // A screen address text as a number; text that is no number is reported.
  std::optional<double> screenAddress(const QString& task) {
    return addressValue(ScreenBase, task);
  }
  std::optional<double> addressValue(const QString& text, const QString& task);

  rom::WindowAccess& windows_;
  // The screen that the map cells show: the start-up screen until the first
  // load, then the one loaded last.
  std::int16_t shownAreaCode_ = 0;
  QString shownScreenBase_;
  bool typedAddress_ = false;
  QMetaObject::Connection focusWatch_;
};

}  // namespace map_editor
