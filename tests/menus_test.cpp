#include "main_window_fixture.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using Menus = MainWindowTest;

TEST_F(Menus, TheMenuTreeHasItsTextsOrderNamesAndNoShortcuts) {
  QMenuBar* bar = main().windowMenuBar();
  ASSERT_NE(bar, nullptr);
  const QList<QAction*> menus = bar->actions();
  ASSERT_EQ(menus.size(), 3);
  const std::vector<std::pair<QString, QStringList>> tree{
      {"&File", {"&Destination", "", "E&Xit"}},
      {"&Edit", {"&Difficulty", "&Colors"}},
      {"&View", {"&Rivaru Daro"}}};
  const std::vector<QStringList> names{{"mnuDestination", "mnuSplit1", "mnuExit"},
                                       {"mnuDifficulty", "mnuColors"},
                                       {"mnuRivaruDaro"}};
  const QStringList menuNames{"mnuFile", "mnuEdit", "mnuView"};
  for (int m = 0; m < 3; ++m) {
    EXPECT_EQ(menus[m]->text(), tree[m].first);
    EXPECT_EQ(menus[m]->menu()->objectName(), menuNames[m]);
    const QList<QAction*> items = menus[m]->menu()->actions();
    ASSERT_EQ(items.size(), tree[m].second.size());
    for (int i = 0; i < items.size(); ++i) {
      EXPECT_EQ(items[i]->text(), tree[m].second[i]);
      EXPECT_EQ(items[i]->objectName(), names[m][i]);
      EXPECT_TRUE(items[i]->shortcut().isEmpty());
      EXPECT_TRUE(items[i]->isEnabled());
      EXPECT_FALSE(items[i]->isCheckable());
    }
  }
  EXPECT_TRUE(main().mnuSplit1->isSeparator());
}

TEST_F(Menus, RivaruDaroPlacesThePaletteBesideTheMainWindow) {
  main().setLeft(1000);
  main().setTop(2000);
  main().setWidth(4230);
  const QSize size = palette().size();
  palette().close();
  main().mnuRivaruDaro->trigger();
  EXPECT_TRUE(palette().isVisible());
  EXPECT_EQ(palette().Left(), 5230);
  EXPECT_EQ(palette().Top(), 2330);
  EXPECT_EQ(palette().size(), size);

  palette().setLeft(9000);
  main().mnuRivaruDaro->trigger();
  EXPECT_EQ(palette().Left(), 5230);
}

// The two menu items and the image open their windows modeless, once.
TEST_F(Menus, DialogsAndTheAboutBoxOpenedTwiceGiveOneWindow) {
  const std::vector<std::pair<std::function<void()>, std::function<QWidget*()>>> openers{
      {[this] { main().mnuDestination->trigger(); },
       [this] { return &program().frmDestination(); }},
      {[this] { main().mnuDifficulty->trigger(); }, [this] { return &program().frmDifficulty(); }},
      {[this] { main().Image1->Click(); }, [this] { return &program().About(); }}};
  for (const auto& [open, window] : openers) {
    open();
    QWidget* opened = window();
    open();
    EXPECT_EQ(window(), opened);
    EXPECT_TRUE(opened->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
}

TEST_F(Menus, TheColourDialogIsModalAndTheTimersKeepTicking) {
  main().show();
  settle();
  // A real click on the main window's right arrow steps the screen...
  QWindow* window = main().windowHandle();
  const QPoint arrow = main().Command4->mapTo(&main(), main().Command4->rect().center());
  QTest::mouseClick(window, Qt::LeftButton, {}, arrow);
  ASSERT_EQ(main().AreaCode, 3);
  settle();
  bool blocked = false;
  int ticksWhileOpen = 0;
  const std::int16_t areaBefore = main().AreaCode;
  QTimer::singleShot(0, [&] {
    QWidget* colors = &program().frmColors();
    blocked = QApplication::activeModalWidget() == colors;
    // ...and goes nowhere while the colour dialog is open.
    QTest::mouseClick(window, Qt::LeftButton, {}, arrow);
    main().Constant.onTick([&] { ++ticksWhileOpen; });
    tickAll();
    colors->close();
  });
  main().mnuColors->trigger();
  EXPECT_TRUE(blocked);
  EXPECT_EQ(main().AreaCode, areaBefore);
  EXPECT_FALSE(main().LoadROM.Enabled());
  EXPECT_EQ(ticksWhileOpen, 1);
  EXPECT_FALSE(program().isLoaded<editors::frmColors>() && program().frmColors().isVisible());
}

TEST_F(Menus, ExitEndsTheProgramWithDialogsOpenAndWritesThePendingCellFirst) {
  settle();
  chooseBlock(0x2E);
  main().mnuDestination->trigger();
  main().mnuDifficulty->trigger();
  main().B_Click(44);
  main().mnuExit->trigger();
  EXPECT_EQ(ends_, 1);
  EXPECT_EQ(byteAt(33960 + 44), 0x2E);
  EXPECT_FALSE(program().frmDestination().isVisible());
  EXPECT_FALSE(program().frmDifficulty().isVisible());
  EXPECT_FALSE(palette().isVisible());
}

TEST_F(Menus, CloseEventsArrivingTogetherUnloadEachDialogOnce) {
  settle();
  chooseBlock(0x19);
  main().B_Click(9);
  for (QWidget* dialog : {static_cast<QWidget*>(&program().frmColors()),
                          static_cast<QWidget*>(&program().frmDifficulty())}) {
    dialog->show();
    // A quick double click on the close box.
    QCoreApplication::postEvent(dialog, new QCloseEvent);
    QCoreApplication::postEvent(dialog, new QCloseEvent);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_FALSE(program().isLoaded<editors::frmColors>());
  EXPECT_FALSE(program().isLoaded<editors::frmDifficulty>());
  main().SaveToROM.tick();
  EXPECT_EQ(byteAt(33960 + 9), 0x19);
  EXPECT_TRUE(reports_.empty());
}

// With the report window itself, not the test's hook.
TEST_F(Menus, TheReportIsDismissedUnderTheColourDialogAndAFailedLastWriteEndsOnItsDismissal) {
  settle();
  program().reports().setHook(nullptr);
  calls_->failEvery(FaultyCalls::Pwrite, ENOSPC);
  const auto report = [] {
    QMessageBox* shown = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) shown = box;
    }
    return shown;
  };
  QMessageBox* first = nullptr;
  QTimer::singleShot(0, [&] {
    program().frmColors().cmdSave->click();
    first = report();
    ASSERT_TRUE(first);
    // The report leaves the dialog modal, and no window waits for it.
    EXPECT_EQ(QApplication::activeModalWidget(), &program().frmColors());
    // A click through the window system, which drops it on a blocked window.
    QAbstractButton* ok = first->button(QMessageBox::Ok);
    QTest::mouseClick(first->windowHandle(), Qt::LeftButton, {},
                      ok->mapTo(first, ok->rect().center()));
    EXPECT_EQ(report(), nullptr);
    program().frmColors().close();
  });
  main().mnuColors->trigger();

  chooseBlock(0x2E);
  main().B_Click(44);
  main().mnuExit->trigger();
  main().close();
  EXPECT_EQ(report(), first);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(report()->text().contains("No space left on device"));
  EXPECT_EQ(ends_, 0);
  report()->button(QMessageBox::Ok)->click();
  EXPECT_EQ(ends_, 1);
  EXPECT_EQ(byteAt(33960 + 44), static_cast<std::uint8_t>(sample_rom::make()[33960 + 44 - 1]));
}
