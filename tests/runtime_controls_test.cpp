#include "runtime/controls.h"
#include "runtime/timer.h"
#include "runtime/window.h"

#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

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

TEST(ListBox, AClickRunsTheHandlerOnlyWhenItChangesTheSelection) {
  QWidget parent;
  int clicks = 0;
  rt::ListBox list(&parent, {0, 0, 1500, 600}, {"Town", "Trail 1"});
  list.onClick([&] { ++clicks; });
  const QPoint second = list.visualItemRect(list.item(1)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, second);
  EXPECT_EQ(list.Text(), "Trail 1");
  EXPECT_EQ(clicks, 1);
}

// onClick sets the one handler of every control that the user clicks: a
// second replaces the first.
TEST(Controls, OnClickReplacesTheHandlerOfEveryClickableControl) {
  QWidget parent;
  QMenu menu;
  rt::PictureCell cell(&parent, {0, 0, 480, 480}, QPixmap());
  rt::ListBox list(&parent, {0, 600, 1500, 600}, {"Town", "Trail 1"});
  rt::CheckBox box(&parent, {0, 1200, 900, 300}, "check");
  rt::CommandButton button(&parent, {0, 1500, 900, 300}, "button");
  rt::MenuItem item(&menu, "item");
  const std::vector<std::pair<rt::Clickable*, std::function<void()>>> controls{
      {&cell, [&] { cell.Click(); }},
      {&list,
       [&] {
         QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                           list.visualItemRect(list.item(1)).center());
       }},
      {&box, [&] { box.click(); }},
      {&button, [&] { button.click(); }},
      {&item, [&] { item.trigger(); }}};
  int first = 0;
  int second = 0;
  for (const auto& [control, click] : controls) {
    control->onClick([&] { ++first; });
    control->onClick([&] { ++second; });
    click();
  }
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 5);
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

// Polling that changes nothing puts the driver to sleep once every poller
// has said so; a round then ticks nothing until something wakes it, and an
// enabled request keeps it awake.
TEST(Timer, TheDriverSleepsAfterQuietPollsUntilWokenOrAsked) {
  rt::TimerHub hub(rt::TimerHub::Clock::Manual);
  int source = 1;
  int copy = 0;
  int polls = 0;
  rt::Timer follower(hub, 1, true);
  follower.onPoll([&] {
    ++polls;
    return rt::put(copy, source);
  });
  rt::Timer idle(hub, 1, true);
  idle.onPoll([] { return false; });
  rt::Timer request(hub, 1, false);
  request.onTick([&] { request.setEnabled(false); });
  hub.tickAll();
  EXPECT_FALSE(hub.asleep());
  hub.tickAll();
  EXPECT_TRUE(hub.asleep());
  // Enabling an enabled timer changes nothing, the driver's sleep included.
  idle.setEnabled(true);
  EXPECT_TRUE(hub.asleep());
  source = 2;
  hub.tickAll();
  EXPECT_FALSE(follower.tick());
  EXPECT_EQ(polls, 2);
  hub.wake();
  hub.tickAll();
  EXPECT_EQ(copy, 2);
  hub.tickAll();
  EXPECT_TRUE(hub.asleep());
  request.setEnabled(true);
  EXPECT_FALSE(hub.asleep());
  hub.tickAll();
  hub.tickAll();
  EXPECT_TRUE(hub.asleep());
  EXPECT_EQ(polls, 6);
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
  rt::Window window(runtime, {"w", 4140, 6105, 0, 0, rt::WindowBorder::FixedSingle, Qt::gray});
  const QSize size = window.size();
  window.setLeft(1000);
  window.setTop(2000);
  EXPECT_EQ(window.Left(), 1000);
  EXPECT_EQ(window.Top(), 2000);
  EXPECT_EQ(window.size(), size);
  EXPECT_EQ(window.Width(), 4140);
}
