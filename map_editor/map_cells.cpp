// Map cell editing: a click paints the chosen block into a cell and writes
// its number into the screen record at once.
#include "map_editor/frm_main.h"
#include "map_editor/screen_position.h"
#include "rom/rom_access.h"
#include "rom/window_access.h"
#include "runtime/conversions.h"

#include <array>

namespace map_editor {

namespace {

const QString kWriteFailed = QStringLiteral("The block could not be written into the ROM image.");

}  // namespace

void frmMain::B_Click(int cell) {
  B[cell]->setPicture(Selected->Picture());
  if (cell == 0) {
    writeCell(0);
    return;
  }
  CellIndex = static_cast<std::uint8_t>(cell);
  SaveToROM.setEnabled(true);
}

bool frmMain::writeCell(int cell) {
  const auto address = screenAddress(kWriteFailed);
  if (!address) return false;
  const std::array<rom::RomByte, 1> byte{{{cellPosition(*address, cell), PaintBit}}};
  return rom::writeROM(windows_, kWriteFailed, byte);
}

void frmMain::SaveToROM_Timer() {
  writeCell(CellIndex);
  // A failed write is not tried again at every tick.
  SaveToROM.setEnabled(false);
}

bool frmMain::Constant_Timer() {
  bool changed = false;
  // Text that is no block number leaves the block to paint as it was.
  if (const auto block = rt::textToByte(WXB->Text())) changed |= rt::put(PaintBit, *block);
  if (!typedAddress_) changed |= WhereAt->setText(ScreenBase);
  if (AreaCode < 1) changed |= rt::put(AreaCode, std::int16_t{1});
  return changed;
}

}  // namespace map_editor
