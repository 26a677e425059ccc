// The menu bar, the palette's place beside the main window and the way into
// the About box.
#include "editors/frm_colors_controls.h"
#include "editors/frm_difficulty_controls.h"
#include "map_editor/about_controls.h"
#include "map_editor/frm_main.h"
#include "palette/graphix_controls.h"
#include "rom/frm_destination_controls.h"
#include "rom/window_access.h"

namespace map_editor {

namespace {

// The palette's top edge lies this far below the main window's.
constexpr float kPaletteDrop = 330;

}  // namespace

void frmMain::wireMenus() {
  mnuDestination->onClick([this] { mnuDestination_Click(); });
  mnuExit->onClick([this] { mnuExit_Click(); });
  mnuDifficulty->onClick([this] { mnuDifficulty_Click(); });
  mnuColors->onClick([this] { mnuColors_Click(); });
  mnuRivaruDaro->onClick([this] { mnuRivaruDaro_Click(); });
  Image1->onClick([this] { Image1_Click(); });
}

void frmMain::mnuDestination_Click() { windows_.frmDestination().Show(); }

void frmMain::mnuExit_Click() { Form_Unload(); }

void frmMain::mnuDifficulty_Click() { windows_.frmDifficulty().Show(); }

// The other windows take no input until the dialog goes; timers keep ticking.
void frmMain::mnuColors_Click() { windows_.frmColors().Show(rt::Modality::Modal); }

void frmMain::mnuRivaruDaro_Click() {
  palette::GraphixControls& palette = windows_.Graphix();
  palette.Show();
  const float width = Width();
  const float left = Left();
  palette.setLeft(left + width);
  palette.setTop(Top() + kPaletteDrop);
}

void frmMain::Image1_Click() { windows_.About().Show(); }

}  // namespace map_editor
