#include "main_window_fixture.h"

#include "map_editor/step_tables.h"

#include <QTest>

class Navigation : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    settle();
  }

  // Clicks a button of the main window and lets the load run.
  void press(rt::CommandButton* button) {
    button->click();
    main().LoadROM.tick();
  }

  rt::CommandButton* up() { return main().Command2; }
  rt::CommandButton* down() { return main().Command3; }
  rt::CommandButton* right() { return main().Command4; }
  rt::CommandButton* left() { return main().Command5; }

  std::int16_t afterArrow(std::int16_t code, rt::CommandButton* button) {
    main().AreaCode = code;
    button->click();
    EXPECT_TRUE(main().LoadROM.Enabled()) << "code " << code;
    main().LoadROM.setEnabled(false);
    return main().AreaCode;
  }
};

namespace map_editor {

TEST(StepTables, HaveTheirRows) {
  EXPECT_EQ(kUpSteps.size(), 5u);
  EXPECT_EQ(kDownSteps.size(), 5u);
  EXPECT_EQ(kRightSteps.size(), 17u);
  EXPECT_EQ(kLeftSteps.size(), 17u);
}

}  // namespace map_editor

TEST_F(Navigation, TheArrowsWalkTheTownGrid) {
  EXPECT_EQ(afterArrow(1, down()), 2);
  EXPECT_EQ(afterArrow(1, right()), 3);
  EXPECT_EQ(afterArrow(1, up()), 1);
  EXPECT_EQ(afterArrow(1, left()), 1);
  EXPECT_EQ(afterArrow(2, up()), 1);
  EXPECT_EQ(afterArrow(4, left()), 2);
  EXPECT_EQ(afterArrow(6, right()), 8);
  EXPECT_EQ(afterArrow(7, right()), 7);
  EXPECT_EQ(afterArrow(8, right()), 8);
  EXPECT_EQ(afterArrow(2, left()), 2);
  EXPECT_EQ(afterArrow(8, down()), 8);
}

TEST_F(Navigation, TheArrowsWalkTheTrailChain) {
  EXPECT_EQ(afterArrow(29, right()), 31);
  EXPECT_EQ(afterArrow(30, right()), 32);
  EXPECT_EQ(afterArrow(29, down()), 30);
  EXPECT_EQ(afterArrow(30, up()), 29);
  EXPECT_EQ(afterArrow(31, left()), 29);
  EXPECT_EQ(afterArrow(32, left()), 30);
  EXPECT_EQ(afterArrow(31, down()), 31);
  EXPECT_EQ(afterArrow(32, up()), 32);
  EXPECT_EQ(afterArrow(20, left()), 20);
  EXPECT_EQ(afterArrow(20, right()), 21);
  EXPECT_EQ(afterArrow(28, right()), 29);
}

TEST_F(Navigation, CodesWithoutNeighboursStayAndStillReload) {
  for (const std::int16_t code : {11, 12, 13, 14, 15, 16, 40, 100, 300, 400, 500, 2100, 2200,
                                  2400, 2500, 2600, 50}) {
    for (auto* arrow : {main().Command2, main().Command3, main().Command4, main().Command5}) {
      EXPECT_EQ(afterArrow(code, arrow), code);
    }
  }
}

TEST_F(Navigation, LoadReadsTheScreenAgainFromTheFileNamedNow) {
  poke({{33960, 0x3B}});
  press(main().Command1);
  EXPECT_EQ(cellPicture(0), palettePicture(0x3B));
}

TEST_F(Navigation, FreeStepsMoveTheAddressByRecordOrByte) {
  press(main().Command6);
  EXPECT_EQ(main().AreaCode, 50);
  EXPECT_EQ(main().ScreenBase, "99440");
  // The record of area code 8.
  EXPECT_EQ(cellPicture(0), pictureOfByteAt(33904));
  press(main().Command8);
  EXPECT_EQ(main().ScreenBase, "99441");
  press(main().Command9);
  press(main().Command9);
  EXPECT_EQ(main().ScreenBase, "99439");
  press(main().Command7);
  EXPECT_EQ(main().ScreenBase, "99495");
  // Arrows and "LOAD" reload the free address.
  press(main().Command4);
  EXPECT_EQ(main().ScreenBase, "99495");
  EXPECT_EQ(main().AreaCode, 50);
}

TEST_F(Navigation, FromPath2TheLeftByteStepCrossesToTheLowerRule) {
  main().Location2->setText("Path 2");
  main().Location2_Click();
  settle();
  EXPECT_EQ(main().ScreenBase, "129272");
  press(main().Command9);
  EXPECT_EQ(main().ScreenBase, "129271");
  EXPECT_EQ(cellPicture(0), pictureOfByteAt(129271 - 65536));
}

TEST_F(Navigation, StepsAddUpBeforeOneLoadAndAFractionStepsAsAFraction) {
  main().ScreenBase = "99496.5";
  main().Command6->click();
  main().Command6->click();
  main().Command8->click();
  EXPECT_EQ(main().ScreenBase, "99385.5");
  tickAll();
  tickAll();
  EXPECT_FALSE(main().LoadROM.Enabled());
  // Halves go to the even position.
  EXPECT_EQ(cellPicture(0), pictureOfByteAt(33850));
}

TEST_F(Navigation, ALocationChoiceEndsFreeAddressing) {
  press(main().Command7);
  main().Location->setText("Room 1");
  main().Location_Click();
  main().LoadROM.tick();
  EXPECT_EQ(main().AreaCode, 11);
  EXPECT_EQ(main().ScreenBase, "98600");
}

TEST_F(Navigation, CheckProShowsAndHidesTheSixControlsTogether) {
  const auto six = {static_cast<QWidget*>(main().Command6), static_cast<QWidget*>(main().Command7),
                    static_cast<QWidget*>(main().Command8), static_cast<QWidget*>(main().Command9),
                    static_cast<QWidget*>(main().GO), static_cast<QWidget*>(main().WhereAt)};
  main().CheckPro->click();
  for (QWidget* control : six) EXPECT_FALSE(control->isHidden());
  EXPECT_EQ(main().WhereAt->Text(), "99496");
  main().CheckPro->click();
  for (QWidget* control : six) EXPECT_TRUE(control->isHidden());
  EXPECT_EQ(main().CheckPro->Value(), 0);
}

class GoButton : public Navigation {
 protected:
  void SetUp() override {
    Navigation::SetUp();
    main().show();
    QApplication::setActiveWindow(&main());
    main().CheckPro->click();
    tickAll();
  }

  void type(const QString& text) {
    main().WhereAt->setFocus();
    main().WhereAt->selectAll();
    QTest::keyClicks(main().WhereAt, text);
  }

  // A click on "GO !" with a tick between the press and the release.
  void clickGoWithATickInside() {
    QTest::mousePress(main().GO, Qt::LeftButton);
    tickAll();
    QTest::mouseRelease(main().GO, Qt::LeftButton);
  }
};

// Polling puts the screen address into the box only when it differs, so the
// cursor stays where the user moved it.
TEST_F(GoButton, PollingLeavesTheCursorWhereTheUserMovedIt) {
  main().WhereAt->setFocus();
  QTest::keyClick(main().WhereAt, Qt::Key_Home);
  QTest::keyClick(main().WhereAt, Qt::Key_Right);
  tickAll();
  EXPECT_EQ(main().WhereAt->cursorPosition(), 1);
}

TEST_F(GoButton, ATypedNumberLoadsThatAddressAndLaterWritesGoThere) {
  type("99440");
  tickAll();
  EXPECT_EQ(main().WhereAt->Text(), "99440");
  clickGoWithATickInside();
  EXPECT_EQ(main().ScreenBase, "99440");
  EXPECT_EQ(main().AreaCode, 50);
  main().LoadROM.tick();
  EXPECT_EQ(cellPicture(0), pictureOfByteAt(33904));
  chooseBlock(0x19);
  main().B_Click(0);
  EXPECT_EQ(byteAt(33904), 0x19);
  EXPECT_TRUE(reports_.empty());
}

TEST_F(GoButton, TypedTextThatIsNoNumberIsReportedAndChangesNothing) {
  type("12x");
  clickGoWithATickInside();
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].contains("\"12x\" is no number"));
  EXPECT_EQ(main().ScreenBase, "99496");
  EXPECT_EQ(main().AreaCode, 1);
  EXPECT_FALSE(main().LoadROM.Enabled());
}

TEST_F(GoButton, WithoutTypingGoChangesNothing) {
  main().Command8->click();
  clickGoWithATickInside();
  EXPECT_EQ(main().ScreenBase, "99497");
  main().LoadROM.setEnabled(false);
  QTest::mouseClick(main().GO, Qt::LeftButton);
  EXPECT_EQ(main().ScreenBase, "99497");
  EXPECT_FALSE(main().LoadROM.Enabled());
}

TEST_F(GoButton, LeavingTheBoxForAnythingElseDropsTheTypedText) {
  type("12345");
  main().Command1->setFocus();
  tickAll();
  EXPECT_EQ(main().WhereAt->Text(), "99496");
  QTest::mouseClick(main().GO, Qt::LeftButton);
  EXPECT_EQ(main().ScreenBase, "99496");
}

class OutOfRange : public Navigation {};

TEST_F(OutOfRange, AFailedLoadLeavesTheAddressAtTheScreenShownAndAClickWritesThere) {
  loadAddress("65592");
  chooseBlock(0x3A);
  const QByteArray image = RomFiles::read(rom_);
  const QImage shown = cellPicture(0);
  // The load at 65536 would read position 0.
  press(main().Command6);
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].contains("position 0 is before the start"));
  EXPECT_EQ(main().ScreenBase, "65592");
  EXPECT_EQ(main().AreaCode, 50);
  EXPECT_EQ(cellPicture(0), shown);
  main().B_Click(5);
  main().SaveToROM.tick();
  QByteArray expected = image;
  expected[56 + 5 - 1] = 0x3A;
  EXPECT_EQ(RomFiles::read(rom_), expected);

  // A place chosen while the image cannot be read.
  useRom(files_.path("missing.nes"));
  choosePlace("Trail 1");
  settle();
  EXPECT_EQ(reports_.size(), 2u);
  EXPECT_EQ(main().ScreenBase, "65592");
  EXPECT_EQ(main().AreaCode, 50);
  useRom(rom_);
  main().B_Click(0);
  expected[56 - 1] = 0x3A;
  EXPECT_EQ(RomFiles::read(rom_), expected);
  EXPECT_EQ(reports_.size(), 2u);
}

TEST_F(OutOfRange, AStepPastTheEndOfAShortFileReadsNothing) {
  const QByteArray shortImage = sample_rom::make().left(34050);
  const QString shortRom = files_.write("short.nes", shortImage);
  useRom(shortRom);
  press(main().Command7);
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].contains("past the end"));
  EXPECT_EQ(main().ScreenBase, "99496");
  EXPECT_EQ(RomFiles::read(shortRom), shortImage);
}
