#include "runtime/controls.h"
#include "runtime/timer.h"
#include "runtime/window.h"

#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

TEST(ListBox, TextPutSelectsTheItemOfThatTextOrChangesNothing) {
  QWidget parent;
  int clicks = 0;
  rt::ListBox list(&parent, {0, 0, 1500, 600}, {"Town", "Trail 1"});
  list.onClick([&] { ++clicks; });
  EXPECT_EQ(list.Text(), "");
  list.setText("Trail 1");
  EXPECT_EQ(list.Text(), "Trail 1");
  list.setText("Trail 9");
  list.setText("trail 1");
  EXPECT_EQ(list.Text(), "Trail 1");
  EXPECT_EQ(clicks, 0);
}

// Every gesture of the user on a list: each change of the selection runs
// Click once, nothing else does, and the selection never goes away.
TEST(ListBox, ClickRunsOnceForEveryChangeTheUserMakesAndNoGestureClearsTheChoice) {
  QWidget parent;
  parent.resize(200, 400);
  rt::ListBox list(&parent, {0, 0, 1500, 4500}, {"Alpha", "Bravo", "Charlie", "Delta", "Echo",
                                                  "Foxtrot", "Golf", "Hotel", "India", "Juliet"});
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  int clicks = 0;
  list.onClick([&] { ++clicks; });
  list.setText("Charlie");
  QWidget* view = list.viewport();
  const auto at = [&](const char* text) {
    return list.visualItemRect(list.findItems(text, Qt::MatchExactly).front()).center();
  };
  const auto expect = [&](const char* text, int wantClicks, const char* gesture) {
    EXPECT_EQ(list.Text(), text) << gesture;
    EXPECT_EQ(clicks, wantClicks) << gesture;
  };
  // Typing first: keyboard search joins the letters typed in a short while.
  QTest::keyClick(&list, 'd');
  expect("Delta", 1, "typing a letter");
  QTest::mousePress(view, Qt::LeftButton, {}, at("Echo"));
  QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(500, 500));
  expect("Echo", 2, "press released outside");
  QTest::mouseClick(view, Qt::LeftButton, {}, at("Echo"));
  QTest::mouseClick(view, Qt::LeftButton, Qt::ControlModifier, at("Echo"));
  QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(20, view->height() - 5));
  expect("Echo", 2, "gestures that change nothing");
  QTest::mousePress(view, Qt::LeftButton, {}, at("Echo"));
  QTest::mouseMove(view, at("Foxtrot"));
  QTest::mouseMove(view, at("Golf"));
  QTest::mouseRelease(view, Qt::LeftButton, {}, at("Golf"));
  expect("Golf", 4, "drag across two items");
  const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*>> keys{
      {Qt::Key_Down, {}, "Hotel"},      {Qt::Key_Up, {}, "Golf"},
      {Qt::Key_End, {}, "Juliet"},      {Qt::Key_Home, {}, "Alpha"},
      {Qt::Key_PageDown, {}, "Juliet"}, {Qt::Key_PageUp, {}, "Alpha"},
      {Qt::Key_Down, Qt::ControlModifier, "Bravo"},
  };
  for (const auto& [key, modifiers, text] : keys) {
    const int before = clicks;
    QTest::keyClick(&list, key, modifiers);
    expect(text, before + 1, QKeySequence(key | modifiers).toString().toLatin1());
  }
  QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, at("Delta"));
  QTest::mouseClick(view, Qt::LeftButton, Qt::ControlModifier, at("Charlie"));
  expect("Charlie", 13, "Shift+click and Ctrl+click on other items");
  list.setText("India");
  expect("India", 13, "a handler's choice");
}

TEST(Timer, RequestsMergeAndEnablingTwiceChangesNothing) {
  rt::TimerHub hub(rt::TimerHub::Clock::Manual);
  rt::Timer request(hub, 1, false);
  int ticks = 0;
  request.onTick([&] {
    ++ticks;
    request.setEnabled(false);
  });
  EXPECT_FALSE(request.tick());
  request.setEnabled(true);
  request.setEnabled(true);
  hub.tickAll();
  hub.tickAll();
  EXPECT_EQ(ticks, 1);
}

TEST(Timer, LowerRanksTickFirstAndTimersMadeInARoundWait) {
  rt::TimerHub hub(rt::TimerHub::Clock::Manual);
  std::vector<int> order;
  std::unique_ptr<rt::Timer> late;
  rt::Timer first(hub, 1, true);
  rt::Timer early(hub, 1, true);
  early.setRank(-1);
  first.onTick([&] {
    order.push_back(1);
    if (!late) {
      late = std::make_unique<rt::Timer>(hub, 1, true);
      late->onTick([&] { order.push_back(3); });
    }
  });
  early.onTick([&] { order.push_back(0); });
  hub.tickAll();
  hub.tickAll();
  EXPECT_EQ(order, (std::vector<int>{0, 1, 0, 1, 3}));
}

TEST(Timer, ATimerRemovedDuringARoundDoesNotTick) {
  rt::TimerHub hub(rt::TimerHub::Clock::Manual);
  auto doomed = std::make_unique<rt::Timer>(hub, 1, true);
  rt::Timer killer(hub, 1, true);
  killer.setRank(-1);
  int doomedTicks = 0;
  doomed->onTick([&] { ++doomedTicks; });
  killer.onTick([&] { doomed.reset(); });
  hub.tickAll();
  EXPECT_EQ(doomedTicks, 0);
}

// A handler that runs an event loop (a modal Show) starts rounds inside its
// own: they skip it, tick the others, and may remove any timer.
TEST(Timer, RoundsNestInsideAHandlerAndSkipIt) {
  rt::TimerHub hub(rt::TimerHub::Clock::Manual);
  std::vector<std::string> order;
  rt::Timer modal(hub, 1, true);
  rt::Timer polling(hub, 1, true);
  auto doomed = std::make_unique<rt::Timer>(hub, 1, true);
  modal.setRank(-1);
  modal.onTick([&] {
    order.push_back("modal");
    if (order.size() > 1) return;
    hub.tickAll();
    hub.tickAll();
  });
  polling.onTick([&] {
    order.push_back("polling");
    doomed.reset();
  });
  doomed->onTick([&] { order.push_back("doomed"); });
  hub.tickAll();
  hub.tickAll();
  EXPECT_EQ(order, (std::vector<std::string>{"modal", "polling", "polling", "polling", "modal",
                                             "polling"}));
}

TEST(PictureCell, SharesThePictureGivenAndClicksOnRelease) {
  QWidget parent;
  QPixmap black(32, 32);
  black.fill(Qt::black);
  rt::PictureCell source(&parent, {0, 0, 480, 480}, black);
  rt::PictureCell target(&parent, {480, 0, 480, 480}, QPixmap());
  int clicks = 0;
  target.onClick([&] { ++clicks; });
  target.setPicture(source.Picture());
  EXPECT_EQ(target.Picture().cacheKey(), black.cacheKey());
  QTest::mouseClick(&target, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST(Window, TwipsPutAreReadBackAndTheSizeStays) {
  rt::Runtime runtime(rt::TimerHub::Clock::Manual);
  rt::Window window(runtime, {"w", 4140, 6105, 0, 0, rt::Border::FixedSingle, Qt::gray});
  const QSize size = window.size();
  window.setLeft(1000);
  window.setTop(2000);
  EXPECT_EQ(window.Left(), 1000);
  EXPECT_EQ(window.Top(), 2000);
  EXPECT_EQ(window.size(), size);
  EXPECT_EQ(window.Width(), 4140);
}
