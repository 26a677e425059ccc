#include "palette/graphix.h"

#include "assets/program_icon.h"
#include "map_editor/frm_main_controls.h"
#include "palette/bank_windows.h"
#include "palette/picture_set_loads.h"
#include "rom/window_access.h"
#include "runtime/conversions.h"

#include <algorithm>

namespace palette {

namespace {

const rt::WindowDesign kDesign{
    .caption = QStringLiteral("Rivaru Daro"),
    .clientWidth = 5685,
    .clientHeight = 5055,
    .left = 6015,
    .top = 2325,
    .border = rt::WindowBorder::FixedTool,
    .background = QColor(128, 128, 128),
    .placesClient = true,
};

}  // namespace

GraphixControls::GraphixControls(rt::Runtime& runtime, const PictureBank& town)
    : rt::Window(runtime, kDesign),
      GLET(new rt::ScrollBar(client(), {4920, 3960, 495, 135}, 1, 7, 1)),
      Change(runtime.timers, 1, false),
      Constant(runtime.timers, 1, true) {
  setWindowIcon(assets::programIcon());
  // The start pictures are the Town set, G44 showing G43's.
  for (int block = 0; block < kPaletteCells; ++block) {
    G[block] = new rt::PictureCell(client(), gridPlace(120, 120, block, 480),
                                   town.member(std::min(block, kLastBlockWithPicture)).Picture());
    G[block]->setObjectName(memberName(Bank::G, block));
  }
  GLET->hide();
  // A place change asks for both loads; the palette goes first, so that the
  // screen load draws the map in the new place's pictures.
  Change.setRank(-1);
}

Graphix::Graphix(rom::WindowAccess& windows)
    : GraphixControls(windows.runtime(), pictureBank(windows, Bank::G)), windows_(windows) {
  for (int block = 0; block <= kLastBlockWithPicture; ++block) {
    G[block]->onClick([this, block] { G_Click(block); });
  }
  Constant.onPoll([this] { return Constant_Timer(); });
  Change.onTick([this] { Change_Timer(); });
}

void Graphix::G_Click(int block) { ClickedBit = static_cast<std::int16_t>(block); }

bool Graphix::Constant_Timer() {
  map_editor::frmMainControls& main = windows_.frmMain();
  // WXB gets the number taken over one tick earlier.
  bool changed = main.WXB->setText(rt::numberText(SelectedBit));
  changed |= main.Selected->setPicture(G[ClickedBit]->Picture());
  changed |= rt::put(SelectedBit, static_cast<std::uint8_t>(ClickedBit));
  return changed;
}

void Graphix::Change_Timer() {
  const PictureSetLoad& load = pictureSetLoadFor(windows_.frmMain().GScroll->Value());
  const PictureBank& members = pictureBank(windows_, load.bank);
  for (int run = 0; run < load.runCount; ++run) {
    const CellRun& cells = load.runs[run];
    for (int cell = cells.firstCell; cell <= cells.lastCell; ++cell) {
      G[cell]->setPicture(members.member(cells.firstMember + cell - cells.firstCell).Picture());
    }
  }
  GLET->setValue(load.recorded);
  Change.setEnabled(false);
}

}  // namespace palette
