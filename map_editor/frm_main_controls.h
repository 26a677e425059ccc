#pragma once

#include "map_editor/screen_position.h"
#include "runtime/window.h"

#include <QAction>
#include <QMenu>

#include <array>

namespace map_editor {

// The start-up window, "Castlevania 2 - Marrow Gate": one screen of the game
// as 56 map cells, the place and location lists, the navigation buttons and
// the hidden mailbox controls that the palette writes.
class frmMainControls : public rt::Window {
 public:
  explicit frmMainControls(rt::Runtime& runtime);

  // B0..B55, row by row, 8 to a row.
  std::array<rt::PictureCell*, kMapCells> B{};
  // The picture of the block chosen in the palette.
  rt::PictureCell* Selected;

  // The sub-lists, one per place, lying on top of one another.
  rt::ListBox* Location;
  rt::ListBox* Location2;
  rt::ListBox* Location3;
  rt::ListBox* Location4;
  rt::ListBox* Location5;
  rt::ListBox* Location6;
  rt::ListBox* Location7;
  std::array<rt::ListBox*, 7> subLists() const {
    return {Location, Location2, Location3, Location4, Location5, Location6, Location7};
  }
  rt::ListBox* Place;

  rt::CommandButton* Command1;  // "LOAD"
  rt::CommandButton* Command2;  // up
  rt::CommandButton* Command3;  // down
  rt::CommandButton* Command5;  // left
  rt::CommandButton* Command4;  // right
  rt::Label* Label1;
  rt::CheckBox* CheckPro;
  // The Hacker Pro controls.
  rt::CommandButton* Command6;  // -56
  rt::CommandButton* Command9;  // -1
  rt::TextBox* WhereAt;
  rt::CommandButton* GO;
  rt::CommandButton* Command8;  // +1
  rt::CommandButton* Command7;  // +56

  rt::PictureCell* Image1;
  rt::Label* Label2;

  // Never shown: the chosen block number as decimal text (written by the
  // palette), the picture set number wanted (read by the palette) and the
  // screen load's scratch picture.
  rt::TextBox* WXB;
  rt::ScrollBar* GScroll;
  rt::PictureCell* PB;

  QMenu* mnuFile;
  rt::MenuItem* mnuDestination;
  QAction* mnuSplit1;
  rt::MenuItem* mnuExit;
  QMenu* mnuEdit;
  rt::MenuItem* mnuDifficulty;
  rt::MenuItem* mnuColors;
  QMenu* mnuView;
  rt::MenuItem* mnuRivaruDaro;

  rt::Timer Constant;
  rt::Timer LoadROM;
  rt::Timer SaveToROM;

 private:
  void buildMap();
  void buildMenus();
};

}  // namespace map_editor
