#pragma once

#include "fixtures.h"
#include "palette/graphix.h"

#include <cstdint>

// A program started on a sample ROM image, with helpers to act as the user.
class MainWindowTest : public ProgramTest {
 protected:
  void SetUp() override { startWith(sample_rom::make()); }

  void startWith(const QByteArray& image) {
    rom_ = files_.write("cv2.nes", image);
    main();
    useRom(rom_);
  }

  void poke(const Bytes& bytes) { files_.write("cv2.nes", withBytes(RomFiles::read(rom_), bytes)); }

  map_editor::frmMain& main() { return program().frmMain(); }
  palette::Graphix& palette() { return program().Graphix(); }

  void choosePlace(const QString& place) {
    main().Place->setText(place);
    main().Place_Click();
  }

  // Enough rounds of every timer for any request and hand-off to finish.
  void settle() {
    for (int round = 0; round < 4; ++round) tickAll();
  }

  // Loads the screen at a raw screen address.
  void loadAddress(const QString& address) {
    main().AreaCode = 50;
    main().ScreenBase = address;
    main().LoadROM.setEnabled(true);
    main().LoadROM.tick();
  }

  // Pictures compare by their pixels: equal pictures need not be one shared
  // picture.
  QImage cellPicture(int cell) { return main().B[cell]->Picture().toImage(); }
  QImage palettePicture(int block) { return palette().G[block]->Picture().toImage(); }
  // The picture the palette shows now for the block at a ROM position.
  QImage pictureOfByteAt(qint64 position) { return palettePicture(byteAt(position)); }

  std::uint8_t byteAt(qint64 position) {
    return static_cast<std::uint8_t>(RomFiles::read(rom_).at(position - 1));
  }

  // Chooses a block in the palette and lets the hand-off reach PaintBit.
  void chooseBlock(int block) {
    palette().G[block]->Click();
    settle();
  }

  QString rom_;
};
