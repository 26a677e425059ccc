#include "main_window_fixture.h"

#include <QTest>

using MapCells = MainWindowTest;

TEST_F(MapCells, CellsAreWrittenWhereTheyWereRead) {
  settle();
  chooseBlock(0x33);
  const struct {
    const char* address;
    qint64 cell0, cell1, cell55;
  } screens[] = {{"99496", 33960, 33961, 34015},
                 {"129272", 129272, 129273, 129327},
                 {"129271", 63735, 63736, 63790}};
  for (const auto& screen : screens) {
    const QByteArray before = RomFiles::read(rom_);
    main().ScreenBase = screen.address;
    main().B_Click(0);
    main().B_Click(1);
    main().SaveToROM.tick();
    main().B_Click(55);
    main().SaveToROM.tick();
    EXPECT_EQ(RomFiles::read(rom_),
              withBytes(before, {{screen.cell0, 0x33}, {screen.cell1, 0x33}, {screen.cell55, 0x33}}))
        << screen.address;
  }
  EXPECT_TRUE(reports_.empty());
}

TEST_F(MapCells, AClickPaintsAtOnceAndOnlyTheLastCellBeforeATickIsWritten) {
  settle();
  chooseBlock(0x0C);
  const QByteArray before = RomFiles::read(rom_);
  const QImage oldTen = cellPicture(10);
  main().B_Click(10);
  main().B_Click(20);
  EXPECT_EQ(cellPicture(10), palettePicture(0x0C));
  EXPECT_EQ(cellPicture(20), palettePicture(0x0C));
  EXPECT_EQ(RomFiles::read(rom_), before);
  EXPECT_EQ(main().CellIndex, 20);
  main().SaveToROM.tick();
  EXPECT_FALSE(main().SaveToROM.Enabled());
  EXPECT_EQ(RomFiles::read(rom_), withBytes(before, {{33960 + 20, 0x0C}}));
  main().LoadROM.setEnabled(true);
  main().LoadROM.tick();
  EXPECT_EQ(cellPicture(10), oldTen);
}

TEST_F(MapCells, B0WritesWithinItsClickAndLeavesAPendingWritePending) {
  settle();
  chooseBlock(0x07);
  const QByteArray before = RomFiles::read(rom_);
  main().B_Click(3);
  main().B_Click(0);
  EXPECT_EQ(RomFiles::read(rom_), withBytes(before, {{33960, 0x07}}));
  EXPECT_TRUE(main().SaveToROM.Enabled());
  EXPECT_EQ(main().CellIndex, 3);
  main().SaveToROM.tick();
  EXPECT_EQ(RomFiles::read(rom_), withBytes(before, {{33960, 0x07}, {33963, 0x07}}));
}

TEST_F(MapCells, AClickBeforeAnyChoiceWritesBlockZero) {
  settle();
  main().B_Click(12);
  tickAll();
  EXPECT_EQ(byteAt(33960 + 12), 0x00);
}

TEST_F(MapCells, ANewChoiceCanPaintItsPictureWhileThePreviousNumberIsWritten) {
  settle();
  chooseBlock(0x11);
  palette().G[0x22]->Click();
  palette().Constant.tick();
  main().Constant.tick();
  main().B_Click(0);
  EXPECT_EQ(cellPicture(0), palettePicture(0x22));
  EXPECT_EQ(byteAt(33960), 0x11);
}

TEST_F(MapCells, AScreenChangeBeforeTheTickSendsTheWriteToTheNewScreen) {
  settle();
  chooseBlock(0x2B);
  main().B_Click(8);
  choosePlace("Trail 1");
  main().LoadROM.tick();
  main().SaveToROM.tick();
  EXPECT_EQ(byteAt(42219 + 8), 0x2B);
}

TEST_F(MapCells, TextInWxbThatIsNoBlockNumberKeepsTheBlockToPaint) {
  settle();
  chooseBlock(0x09);
  for (const char* text : {"", "abc", "256", "2.5"}) {
    main().WXB->setText(text);
    main().Constant.tick();
    EXPECT_EQ(main().PaintBit, 0x09) << text;
  }
}

TEST_F(MapCells, TheTickCopiesTheAddressAndKeepsTheAreaCodeAtOneOrMore) {
  main().AreaCode = -5;
  main().ScreenBase = "12345";
  main().Constant.tick();
  EXPECT_EQ(main().AreaCode, 1);
  EXPECT_EQ(main().WhereAt->Text(), "12345");
  main().AreaCode = 24;
  main().Constant.tick();
  EXPECT_EQ(main().AreaCode, 24);
}

TEST_F(MapCells, AFailedWriteIsReportedOnceKeepsThePaintAndIsNotRetried) {
  settle();
  chooseBlock(0x15);
  const QString readOnly = files_.write("ro.nes");
  RomFiles::makeReadOnly(readOnly);
  useRom(readOnly);
  main().B_Click(30);
  for (int round = 0; round < 3; ++round) tickAll();
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].contains("read-only"));
  EXPECT_EQ(cellPicture(30), palettePicture(0x15));
  EXPECT_FALSE(main().SaveToROM.Enabled());
  EXPECT_EQ(RomFiles::read(readOnly), sample_rom::make());

  main().ScreenBase = "x1";
  main().B_Click(0);
  EXPECT_EQ(reports_.size(), 2u);
  EXPECT_TRUE(reports_[1].contains("\"x1\" is no number"));
}

TEST_F(MapCells, AWriteOutsideTheFileTouchesNothing) {
  settle();
  const QByteArray shortImage = sample_rom::make().left(40000);
  const QString shortRom = files_.write("short.nes", shortImage);
  useRom(shortRom);
  main().ScreenBase = "200000";
  main().B_Click(0);
  main().ScreenBase = "65500";
  main().B_Click(2);
  main().SaveToROM.tick();
  ASSERT_EQ(reports_.size(), 2u);
  EXPECT_TRUE(reports_[0].contains("past the end"));
  EXPECT_TRUE(reports_[1].contains("before the start"));
  EXPECT_EQ(RomFiles::read(shortRom), shortImage);
}

// The whole road with the mouse on the real widgets.
TEST_F(MapCells, APlaceAPaletteClickAndAMapClickChangeExactlyOneByte) {
  main().show();
  settle();
  const QByteArray before = RomFiles::read(rom_);
  rt::ListBox& places = *main().Place;
  QListWidgetItem* trail = places.findItems("Trail 1", Qt::MatchExactly).front();
  places.scrollToItem(trail);
  QTest::mouseClick(places.viewport(), Qt::LeftButton, {}, places.visualItemRect(trail).center());
  settle();
  QTest::mouseClick(palette().G[0x3C], Qt::LeftButton);
  settle();
  QTest::mouseClick(main().B[42], Qt::LeftButton);
  EXPECT_EQ(cellPicture(42), palettePicture(0x3C));
  tickAll();
  EXPECT_EQ(RomFiles::read(rom_), withBytes(before, {{42219 + 42, 0x3C}}));
  EXPECT_TRUE(reports_.empty());
}
