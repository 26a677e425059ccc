#include "main_window_fixture.h"

#include "map_editor/area_table.h"

#include <QTest>

namespace {

// Counts the paint events of every widget.
class PaintCount : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace

using StartUp = MainWindowTest;

TEST_F(StartUp, TheWindowHasItsDesignLook) {
  EXPECT_EQ(main().windowTitle(), "Castlevania 2 - Marrow Gate");
  EXPECT_EQ(main().client()->size(), QSize(276, 407));
  EXPECT_EQ(main().minimumSize(), main().maximumSize());
  EXPECT_FALSE(main().windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(main().windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(main().B[0]->geometry(), QRect(8, 8, 32, 32));
  EXPECT_EQ(main().B[7]->geometry(), QRect(232, 8, 32, 32));
  EXPECT_EQ(main().B[55]->geometry(), QRect(232, 200, 32, 32));
  EXPECT_EQ(main().Place->geometry(), QRect(8, 283, 105, 43));
  const auto items = [](const rt::ListBox* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
  };
  EXPECT_EQ(items(main().Place),
            QStringList({"Town", "Trail 1", "Trail 2", "Mansions", "Camilla Cemetary",
                         "Dracula's Tomb", "Vrad's Cemetary"}));
  EXPECT_EQ(items(main().Location),
            QStringList({"Outside", "Room 1", "Room 2", "Room 3", "Room 4", "Room 5", "Room 6"}));
  EXPECT_EQ(items(main().Location2),
            QStringList({"Path 1", "Path 2", "Path 3", "Path 4", "Caves"}));
  EXPECT_EQ(items(main().Location4),
            QStringList({"Mansion 1", "Mansion 2", "Mansion 4", "Mansion 5", "Boss Chamber"}));
  for (const rt::ListBox* empty :
       {main().Location3, main().Location5, main().Location6, main().Location7}) {
    EXPECT_EQ(empty->count(), 0);
  }
  EXPECT_EQ(main().Label2->Caption(), "Editor may not show true Game-play colors.");
  EXPECT_EQ(main().Label1->Caption(), "Hacker Pro:");
  EXPECT_EQ(main().CheckPro->Value(), 0);
  for (QWidget* hidden : std::initializer_list<QWidget*>{
           main().Command6, main().Command9, main().WhereAt, main().GO, main().Command8,
           main().Command7, main().WXB, main().GScroll, main().PB}) {
    EXPECT_TRUE(hidden->isHidden());
  }
  EXPECT_EQ(main().GScroll->minimum(), 1);
  EXPECT_EQ(main().GScroll->maximum(), 7);
}

TEST_F(StartUp, ReachesItsStartUpState) {
  EXPECT_EQ(main().Place->Text(), "Town");
  EXPECT_EQ(main().Location->Text(), "Outside");
  EXPECT_EQ(main().Location2->Text(), "Path 1");
  EXPECT_EQ(main().Location4->Text(), "Mansion 1");
  for (rt::ListBox* list : main().subLists()) {
    EXPECT_EQ(list->isHidden(), list != main().Location);
  }
  EXPECT_EQ(main().AreaCode, 1);
  EXPECT_EQ(main().ScreenBase, "99496");
  EXPECT_EQ(main().GScroll->Value(), 1);
  EXPECT_TRUE(palette().isVisible());
  for (const int cell : {0x39, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43}) {
    EXPECT_FALSE(palette().G[cell]->isHidden());
  }
  EXPECT_TRUE(palette().G[0x44]->isHidden());
  EXPECT_TRUE(main().LoadROM.Enabled());
  EXPECT_TRUE(palette().Change.Enabled());
  EXPECT_EQ(main().PaintBit, 0);
  EXPECT_EQ(main().CellIndex, 0);
  EXPECT_EQ(main().WXB->Text(), "");
}

// Polling copies controls into others on every tick; a tick that finds
// nothing new paints nothing again.
TEST_F(StartUp, PollingThatFindsNothingNewPaintsNothing) {
  main().show();
  main().CheckPro->click();
  // No cursor blinks in a text box.
  main().Command1->setFocus();
  settle();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
  QCoreApplication::processEvents();
  PaintCount count;
  QCoreApplication::instance()->installEventFilter(&count);
  for (int round = 0; round < 3; ++round) {
    // The driver would sleep after quiet polls.
    program().runtime().timers.wake();
    tickAll();
    QCoreApplication::processEvents();
  }
  QCoreApplication::instance()->removeEventFilter(&count);
  EXPECT_EQ(count.paints, 0);
}

TEST_F(StartUp, TheFirstTicksShowTheTownScreenInTownPictures) {
  const QPixmap lightBlue = main().B[0]->Picture();
  main().LoadROM.tick();
  palette().Change.tick();
  EXPECT_EQ(palette().GLET->Value(), 1);
  for (int cell = 0; cell < 56; ++cell) {
    EXPECT_EQ(cellPicture(cell), pictureOfByteAt(33960 + cell)) << cell;
  }
  EXPECT_NE(cellPicture(0), lightBlue.toImage());
  EXPECT_TRUE(reports_.empty());
}

TEST_F(StartUp, AMissingRomIsReportedOnceAndNoFileIsCreated) {
  useRom(files_.path("none.nes"));
  const QPixmap before = main().B[0]->Picture();
  settle();
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].contains("No such file or directory"));
  EXPECT_FALSE(QFileInfo::exists(files_.path("none.nes")));
  EXPECT_EQ(cellPicture(0), before.toImage());
}

TEST_F(StartUp, TheDesignLocationIsReadWhenNothingElseIsTyped) {
  QDir().mkpath(files_.path("Desktop"));
  files_.write("Desktop/castlevania2.nes", imageWith({{33960, 0x2A}}));
  useRom("C:\\windows\\desktop\\castlevania2.nes");
  main().LoadROM.tick();
  EXPECT_EQ(cellPicture(0), palettePicture(0x2A));
}

TEST_F(StartUp, ClosingTheMainWindowEndsTheProgramAfterThePendingWrite) {
  settle();
  chooseBlock(0x21);
  main().B_Click(9);
  main().close();
  EXPECT_EQ(ends_, 1);
  EXPECT_EQ(byteAt(33960 + 9), 0x21);
  EXPECT_FALSE(main().isVisible());
  EXPECT_FALSE(palette().isVisible());
}

using PlaceChoice = MainWindowTest;

TEST_F(PlaceChoice, EachPlaceSetsItsCodeSetSubListAndHiddenCells) {
  struct Expected {
    const char* place;
    int areaCode;
    int pictureSet;
    int subList;
    std::vector<int> hidden;
  };
  const std::vector<Expected> rows{
      {"Town", 1, 1, 0, {0x44}},
      {"Trail 1", 20, 2, 1, {}},
      {"Trail 2", 100, 3, 2, {}},
      {"Mansions", 2100, 4, 3, {0x42, 0x43, 0x44}},
      {"Camilla Cemetary", 300, 5, 4, {0x44}},
      {"Dracula's Tomb", 400, 6, 5, {0x39, 0x40, 0x41, 0x42, 0x43, 0x44}},
      {"Vrad's Cemetary", 500, 7, 6, {0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44}},
  };
  for (const Expected& row : rows) {
    settle();
    choosePlace(row.place);
    EXPECT_EQ(main().AreaCode, row.areaCode) << row.place;
    EXPECT_EQ(main().GScroll->Value(), row.pictureSet) << row.place;
    EXPECT_TRUE(main().LoadROM.Enabled()) << row.place;
    EXPECT_TRUE(palette().Change.Enabled()) << row.place;
    for (int list = 0; list < 7; ++list) {
      EXPECT_EQ(main().subLists()[list]->isHidden(), list != row.subList) << row.place;
    }
    for (const int cell : {0x39, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44}) {
      const bool hidden = std::find(row.hidden.begin(), row.hidden.end(), cell) != row.hidden.end();
      EXPECT_EQ(palette().G[cell]->isHidden(), hidden) << row.place << " cell " << cell;
    }
  }
}

TEST_F(PlaceChoice, APlaceChoiceResetsTheSubListsAndShowsCellsAgain) {
  choosePlace("Mansions");
  main().Location4->setText("Mansion 5");
  main().Location4_Click();
  EXPECT_EQ(main().AreaCode, 2500);
  choosePlace("Town");
  EXPECT_FALSE(palette().G[0x42]->isHidden());
  EXPECT_FALSE(palette().G[0x43]->isHidden());
  EXPECT_TRUE(palette().G[0x44]->isHidden());
  EXPECT_EQ(main().Location4->Text(), "Mansion 1");
  main().Location->setText("Room 3");
  main().Location_Click();
  choosePlace("Town");
  EXPECT_EQ(main().Location->Text(), "Outside");
  EXPECT_EQ(main().AreaCode, 1);
}

TEST_F(PlaceChoice, LocationsSetTheirCodesAndOnlyTrailLocationsAskForPictures) {
  settle();
  choosePlace("Trail 1");
  settle();
  main().Location2->setText("Caves");
  main().Location2_Click();
  EXPECT_EQ(main().AreaCode, 40);
  EXPECT_TRUE(main().LoadROM.Enabled());
  EXPECT_TRUE(palette().Change.Enabled());
  EXPECT_EQ(main().GScroll->Value(), 2);
  settle();
  choosePlace("Town");
  settle();
  main().Location->setText("Room 1");
  main().Location_Click();
  EXPECT_EQ(main().AreaCode, 11);
  EXPECT_TRUE(main().LoadROM.Enabled());
  EXPECT_FALSE(palette().Change.Enabled());
  settle();
  choosePlace("Mansions");
  settle();
  const std::vector<std::pair<QString, int>> mansions{
      {"Mansion 1", 2100}, {"Mansion 2", 2200}, {"Mansion 4", 2400},
      {"Mansion 5", 2500}, {"Boss Chamber", 2600}};
  ASSERT_EQ(main().Location4->count(), 5);
  for (const auto& [item, code] : mansions) {
    main().Location4->setText(item);
    main().Location4_Click();
    EXPECT_EQ(main().AreaCode, code);
    EXPECT_FALSE(palette().Change.Enabled());
  }
}

TEST_F(PlaceChoice, APlaceChoiceWhileThePaletteIsClosedDoesNotShowIt) {
  palette().close();
  choosePlace("Dracula's Tomb");
  EXPECT_FALSE(palette().isVisible());
  EXPECT_TRUE(palette().G[0x39]->isHidden());
  EXPECT_TRUE(palette().Change.Enabled());
}

TEST_F(PlaceChoice, RequestsMergeIntoOneLoadWithTheValuesAtTheTick) {
  settle();
  choosePlace("Trail 1");
  choosePlace("Trail 2");
  choosePlace("Vrad's Cemetary");
  palette().Change.tick();
  EXPECT_EQ(palette().GLET->Value(), 7);
  EXPECT_FALSE(palette().Change.Enabled());
  main().LoadROM.tick();
  EXPECT_EQ(main().ScreenBase, "110633");
  EXPECT_FALSE(main().LoadROM.Enabled());
}
