// The screen load: area code to screen address, then the 56 bytes of the
// screen record into the map cells.
#include "map_editor/area_table.h"
#include "map_editor/frm_main.h"
#include "map_editor/screen_position.h"
#include "palette/graphix_controls.h"
#include "rom/rom_access.h"
#include "rom/window_access.h"
#include "runtime/conversions.h"

#include <array>

namespace map_editor {

namespace {

const QString kLoadFailed = QStringLiteral("The screen could not be loaded.");

}  // namespace

std::optional<double> frmMain::addressValue(const QString& text, const QString& task) {
  const auto address = rt::textToDouble(text);
  if (!address) {
    windows_.reports().report(
        QStringLiteral("%1\n\nThe screen address \"%2\" is no number.").arg(task, text));
  }
  return address;
}

void frmMain::LoadROM_Timer() {
  // The request is used up, whether the load succeeds or not.
  LoadROM.setEnabled(false);

  if (const auto address = screenAddressOf(AreaCode)) ScreenBase = rt::numberText(*address);

  palette::GraphixControls& palette = windows_.Graphix();
  if (palette.GLET->Value() == 1 && !Location2->isHidden()) palette.Change.setEnabled(true);
  if (palette.GLET->Value() == 2 && !Location->isHidden()) palette.Change.setEnabled(true);

  const auto blocks = readScreen();
  if (!blocks) {
    // The map still shows the screen loaded last, so a click writes into it.
    AreaCode = shownAreaCode_;
    ScreenBase = shownScreenBase_;
    return;
  }
  shownAreaCode_ = AreaCode;
  shownScreenBase_ = ScreenBase;

  // A block without a picture repeats the picture given last, which PB holds.
  for (int cell = 0; cell < kMapCells; ++cell) {
    LoadedBit = (*blocks)[cell];
    if (LoadedBit <= palette::kLastBlockWithPicture) PB->setPicture(palette.G[LoadedBit]->Picture());
    B[cell]->setPicture(PB->Picture());
  }
}

std::optional<std::vector<std::uint8_t>> frmMain::readScreen() {
  const auto address = screenAddress(kLoadFailed);
  if (!address) return std::nullopt;
  std::array<qint64, kMapCells> positions{};
  for (int cell = 0; cell < kMapCells; ++cell) positions[cell] = cellPosition(*address, cell);
  // Every byte is read before any cell changes, so a screen is never shown
  // half from one address and half from another.
  return rom::readROM(windows_, kLoadFailed, positions);
}

}  // namespace map_editor
