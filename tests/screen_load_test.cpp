#include "main_window_fixture.h"

#include "map_editor/area_table.h"
#include "map_editor/screen_position.h"

namespace map_editor {

TEST(CellPosition, TheUpperRuleHoldsFrom129272OnTheAddressAlone) {
  EXPECT_EQ(cellPosition(99496, 0), 33960);
  EXPECT_EQ(cellPosition(99496, 55), 34015);
  EXPECT_EQ(cellPosition(129272, 0), 129272);
  EXPECT_EQ(cellPosition(129272, 55), 129327);
  EXPECT_EQ(cellPosition(129271, 0), 63735);
  EXPECT_EQ(cellPosition(129271, 55), 63790);
  EXPECT_EQ(cellPosition(65536, 0), 0);
  EXPECT_EQ(cellPosition(65537, 0), 1);
  EXPECT_GT(cellPosition(1e300, 0), 1'000'000'000'000LL);
  EXPECT_LT(cellPosition(-1e300, 0), 0);
}

TEST(AreaTable, HasItsRowsAndNoneForTheFreeAddressCode) {
  EXPECT_EQ(AreaBaseTable.size(), 37u);
  EXPECT_EQ(screenAddressOf(1), 99496);
  EXPECT_EQ(screenAddressOf(24), 129272);
  EXPECT_EQ(screenAddressOf(20), screenAddressOf(100));
  EXPECT_EQ(screenAddressOf(2600), 100512);
  EXPECT_FALSE(screenAddressOf(50));
  EXPECT_FALSE(screenAddressOf(2300));
  EXPECT_FALSE(screenAddressOf(9));
}

}  // namespace map_editor

using ScreenLoad = MainWindowTest;

TEST_F(ScreenLoad, AreaCodesWithRowsSetTheScreenAddressAndReadTheirRecord) {
  settle();
  main().AreaCode = 24;
  main().LoadROM.setEnabled(true);
  main().LoadROM.tick();
  EXPECT_EQ(main().ScreenBase, "129272");
  for (int cell = 0; cell < 56; ++cell) {
    EXPECT_EQ(cellPicture(cell), pictureOfByteAt(129272 + cell)) << cell;
  }
  main().AreaCode = 20;
  main().LoadROM.setEnabled(true);
  main().LoadROM.tick();
  const QImage trailStart = cellPicture(17);
  main().AreaCode = 100;
  main().LoadROM.setEnabled(true);
  main().LoadROM.tick();
  EXPECT_EQ(main().ScreenBase, "107755");
  EXPECT_EQ(cellPicture(17), trailStart);
}

TEST_F(ScreenLoad, CodesWithoutARowKeepTheScreenAddress) {
  settle();
  for (const std::int16_t code : {std::int16_t{50}, std::int16_t{9}}) {
    main().AreaCode = code;
    main().ScreenBase = "99440";
    main().LoadROM.setEnabled(true);
    main().LoadROM.tick();
    EXPECT_EQ(main().ScreenBase, "99440");
    EXPECT_EQ(cellPicture(0), pictureOfByteAt(33904));
  }
}

TEST_F(ScreenLoad, BelowTheThresholdTheLowerRuleHoldsForAllCells) {
  settle();
  loadAddress("129271");
  for (int cell = 0; cell < 56; ++cell) {
    EXPECT_EQ(cellPicture(cell), pictureOfByteAt(63735 + cell)) << cell;
  }
}

TEST_F(ScreenLoad, AFractionalAddressRoundsHalvesToEven) {
  poke({{33960, 0x01}, {33961, 0x02}, {33962, 0x03}, {33963, 0x04}, {33964, 0x05}});
  settle();
  loadAddress("99496.5");
  EXPECT_EQ(cellPicture(0), palettePicture(0x01));
  EXPECT_EQ(cellPicture(1), palettePicture(0x03));
  EXPECT_EQ(cellPicture(2), palettePicture(0x03));
  EXPECT_EQ(cellPicture(3), palettePicture(0x05));
  EXPECT_EQ(cellPicture(4), palettePicture(0x05));
}

TEST_F(ScreenLoad, BlocksWithoutPicturesRepeatThePictureGivenLast) {
  const QImage lightBlue = cellPicture(0);
  poke({{33960, 0x44}, {33965, 0xFF}});
  main().LoadROM.tick();
  EXPECT_EQ(cellPicture(0), lightBlue);
  EXPECT_EQ(cellPicture(5), cellPicture(4));
  EXPECT_EQ(main().LoadedBit, byteAt(34015));

  // A later load carries the picture its predecessor gave to B55.
  const QImage last = cellPicture(55);
  main().LoadROM.setEnabled(true);
  main().LoadROM.tick();
  EXPECT_EQ(cellPicture(0), last);
}

TEST_F(ScreenLoad, ThePictureSetCheckAsksForTheSetThatTheListShown) {
  settle();
  // GLET 1 while the trail list is shown.
  main().Location2->show();
  palette().GLET->setValue(1);
  main().LoadROM.setEnabled(true);
  main().LoadROM.tick();
  EXPECT_TRUE(palette().Change.Enabled());
  settle();

  // GLET 2 while the town list is shown.
  palette().GLET->setValue(2);
  main().LoadROM.setEnabled(true);
  main().LoadROM.tick();
  EXPECT_TRUE(palette().Change.Enabled());
  settle();

  choosePlace("Trail 2");
  settle();
  for (const int loaded : {2, 4, 5, 6, 7}) {
    palette().GLET->setValue(loaded);
    main().LoadROM.setEnabled(true);
    main().LoadROM.tick();
    EXPECT_FALSE(palette().Change.Enabled()) << loaded;
  }
}

TEST_F(ScreenLoad, AScreenNeverShowsBytesFromAFileTooShort) {
  settle();
  const QByteArray shortImage = sample_rom::make().left(34000);
  const QString shortRom = files_.write("short.nes", shortImage);
  useRom(shortRom);
  const QImage before = cellPicture(0);
  main().LoadROM.setEnabled(true);
  main().LoadROM.tick();
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].contains("position 34001 is past the end"));
  EXPECT_EQ(cellPicture(0), before);
  EXPECT_FALSE(main().LoadROM.Enabled());
  EXPECT_EQ(RomFiles::read(shortRom), shortImage);
}

TEST_F(ScreenLoad, AnAddressThatIsNoNumberIsReportedOnce) {
  settle();
  const QByteArray image = RomFiles::read(rom_);
  const QImage before = cellPicture(3);
  loadAddress("abc");
  tickAll();
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].contains("\"abc\" is no number"));
  EXPECT_EQ(cellPicture(3), before);
  EXPECT_EQ(RomFiles::read(rom_), image);
}

TEST_F(ScreenLoad, AnAddressBelowTheFileReadsNothing) {
  settle();
  const QImage before = cellPicture(0);
  loadAddress("65536");
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].contains("position 0 is before the start"));
  EXPECT_EQ(cellPicture(0), before);
}
