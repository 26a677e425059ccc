// The program on its real event loop and clock, driven by real input events:
// what the manual clock cannot show.
#include "fixtures.h"
#include "map_editor/area_table.h"
#include "map_editor/place_tables.h"
#include "palette/graphix.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QTest>

#include <chrono>
#include <functional>
#include <set>
#include <span>
#include <tuple>

namespace {

using Steady = std::chrono::steady_clock;

// Runs the event loop until the condition holds or the deadline passes.
bool waitFor(const std::function<bool()>& done) {
  const QDeadlineTimer deadline(5000);
  QTimer wake;
  wake.start(50);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

QPoint centreOf(QListWidget& list, int row) {
  list.scrollToItem(list.item(row));
  return list.visualItemRect(list.item(row)).center();
}

void click(QListWidget& list, int row, Qt::KeyboardModifiers modifiers = {}) {
  QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, centreOf(list, row));
}

}  // namespace

class RealClock : public ::testing::Test {
 protected:
  RealClock() {
    app::ProgramOptions options;
    options.desktopFolder = files_.path("Desktop");
    options.reportHook = [this](const QString& message) { reports_.push_back(message); };
    options.onEnd = [] {};
    program_ = std::make_unique<app::Program>(options);
    program_->frmDestination().Destination->setText(files_.write("cv2.nes"));
    program_->Start();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&main()));
    EXPECT_TRUE(waitFor([this] { return requestsDone(); }));
  }

  map_editor::frmMain& main() { return program_->frmMain(); }
  palette::Graphix& palette() { return program_->Graphix(); }

  bool requestsDone() { return !main().LoadROM.Enabled() && !palette().Change.Enabled(); }

  // Every map cell shows a picture of the palette's set as it is now.
  bool mapInPaletteSet() {
    std::set<qint64> pictures;
    for (int block = 0; block <= 0x43; ++block) {
      pictures.insert(palette().G[block]->Picture().cacheKey());
    }
    return std::all_of(main().B.begin(), main().B.end(), [&](const rt::PictureCell* cell) {
      return pictures.contains(cell->Picture().cacheKey());
    });
  }

  // What the lists show is what the map, the codes and the palette hold.
  void expectAgreement(const std::string& context) {
    ASSERT_TRUE(waitFor([this] { return requestsDone(); })) << context;
    const QString place = main().Place->Text();
    const auto row = std::find_if(map_editor::kPlaces.begin(), map_editor::kPlaces.end(),
                                  [&](const map_editor::PlaceRow& p) { return place == p.place; });
    ASSERT_NE(row, map_editor::kPlaces.end()) << context << ": no place chosen";
    const rt::ListBox* shown = main().subLists()[row->subList - 1];
    for (const rt::ListBox* list : main().subLists()) {
      EXPECT_EQ(list->isHidden(), list != shown) << context;
    }
    const std::vector<std::pair<const rt::ListBox*, std::span<const map_editor::LocationRow>>>
        locations{{main().Location, map_editor::kTownLocations},
                  {main().Location2, map_editor::kTrailLocations},
                  {main().Location4, map_editor::kMansionLocations}};
    int areaCode = row->areaCode;
    for (const auto& [list, rows] : locations) {
      if (list != shown) continue;
      const auto location =
          std::find_if(rows.begin(), rows.end(),
                       [&](const map_editor::LocationRow& r) { return list->Text() == r.item; });
      ASSERT_NE(location, rows.end()) << context << ": no location chosen";
      areaCode = location->areaCode;
    }
    EXPECT_EQ(main().AreaCode, areaCode) << context;
    EXPECT_EQ(main().ScreenBase, QString::number(*map_editor::screenAddressOf(main().AreaCode)))
        << context;
    EXPECT_EQ(main().GScroll->Value(), row->pictureSet) << context;
    EXPECT_EQ(palette().GLET->Value(), row->pictureSet == 3 ? 2 : row->pictureSet) << context;
    EXPECT_TRUE(mapInPaletteSet()) << context;
    const auto hidden = std::span(row->hiddenCells).first(row->hiddenCount);
    for (const int cell : map_editor::kHideableCells) {
      EXPECT_EQ(palette().G[cell]->isHidden(), std::ranges::count(hidden, cell) == 1) << context;
    }
    EXPECT_TRUE(reports_.empty()) << context;
  }

  RomFiles files_;
  std::vector<QString> reports_;
  std::unique_ptr<app::Program> program_;
};

// The requests of one place choice fall due together, the picture set load
// first; and no polling timer ever ticks again within its interval.
TEST_F(RealClock, TwoHundredPlaceChangesShowEachScreenInItsPlacesPictures) {
  std::optional<Steady::time_point> last;
  Steady::duration shortest = Steady::duration::max();
  int ticks = 0;
  rt::Timer probe(program_->runtime().timers, 1, true);
  probe.onTick([&] {
    const auto now = Steady::now();
    if (last) shortest = std::min(shortest, now - *last);
    last = now;
    ++ticks;
  });
  // Neighbours in this cycle never share a picture set.
  const std::array<int, 7> cycle{0, 1, 3, 2, 4, 5, 6};
  int wrong = 0;
  for (int change = 0; change < 200; ++change) {
    click(*main().Place, cycle[(change + 1) % cycle.size()]);
    ASSERT_TRUE(waitFor([this] { return requestsDone(); }));
    if (!mapInPaletteSet()) ++wrong;
  }
  EXPECT_EQ(wrong, 0);
  expectAgreement("after the place changes");
  EXPECT_GT(ticks, 100);
  EXPECT_GE(shortest, std::chrono::milliseconds(1));
}

namespace {

// The gestures of the issue, each telling whether it should change the
// choice of the list as it stands.
using Gesture = std::pair<const char*, std::function<bool(QListWidget&)>>;

int selectedRow(const QListWidget& list) {
  const auto chosen = list.selectedItems();
  return chosen.isEmpty() ? -1 : list.row(chosen.front());
}

std::vector<Gesture> gestures() {
  const auto next = [](QListWidget& list, int n) { return (selectedRow(list) + n) % list.count(); };
  const auto clickOn = [next](int n, Qt::KeyboardModifiers modifiers) {
    return [=](QListWidget& list) {
      click(list, next(list, n), modifiers);
      return n != 0;
    };
  };
  const auto key = [](Qt::Key which, bool down) {
    return [=](QListWidget& list) {
      const bool moves = selectedRow(list) != (down ? list.count() - 1 : 0);
      QTest::keyClick(&list, which);
      return moves;
    };
  };
  return {
      // First: keyboard search joins the letters typed in a short while.
      {"typing a letter",
       [next](QListWidget& list) {
         QTest::keyClick(&list, list.item(next(list, 2))->text().at(0).toLower().toLatin1());
         return true;
       }},
      {"press released outside",
       [next](QListWidget& list) {
         QTest::mousePress(list.viewport(), Qt::LeftButton, {}, centreOf(list, next(list, 1)));
         QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, QPoint(-40, -40));
         return true;
       }},
      {"click on the selected item", clickOn(0, {})},
      {"Ctrl+click on the selected item", clickOn(0, Qt::ControlModifier)},
      {"Shift+click on another item", clickOn(1, Qt::ShiftModifier)},
      {"drag across three items",
       [](QListWidget& list) {
         const int from = selectedRow(list);
         const int step = from >= 2 ? -1 : 1;
         list.scrollToItem(list.item(std::min(from, from + 2 * step)),
                           QAbstractItemView::PositionAtTop);
         const auto at = [&](int n) {
           return list.visualItemRect(list.item(from + n * step)).center();
         };
         QTest::mousePress(list.viewport(), Qt::LeftButton, {}, at(0));
         QTest::mouseMove(list.viewport(), at(1));
         QTest::mouseMove(list.viewport(), at(2));
         QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at(2));
         return true;
       }},
      // Only a list with room below its items has such a place.
      {"press beside the items",
       [](QListWidget& list) {
         list.scrollToBottom();
         const QPoint beside(4, list.viewport()->height() - 2);
         if (list.itemAt(beside) == nullptr) {
           QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, beside);
         }
         return false;
       }},
      {"Down", key(Qt::Key_Down, true)},
      {"Up", key(Qt::Key_Up, false)},
      {"End", key(Qt::Key_End, true)},
      {"PageUp", key(Qt::Key_PageUp, false)},
      {"PageDown", key(Qt::Key_PageDown, true)},
      {"Home", key(Qt::Key_Home, false)},
      {"Ctrl+Space on the selected item",
       [](QListWidget& list) {
         QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
         return false;
       }},
  };
}

}  // namespace

// Each gesture on each list of the main window: the choice follows each
// change of the selection, and a gesture that changes nothing asks for no
// load and keeps the choice.
TEST_F(RealClock, EveryGestureOnEveryListKeepsTheListsAndTheScreenInAgreement) {
  const std::vector<std::tuple<const char*, const char*, rt::ListBox*>> lists{
      {"Place", "Town", main().Place},
      {"Location", "Town", main().Location},
      {"Location2", "Trail 1", main().Location2},
      {"Location4", "Mansions", main().Location4}};
  for (const auto& [listName, place, list] : lists) {
    rt::ListBox& places = *main().Place;
    click(places, places.row(places.findItems(place, Qt::MatchExactly).front()));
    for (const auto& [name, act] : gestures()) {
      const std::string context = std::string(listName) + ", " + name;
      ASSERT_TRUE(waitFor([this] { return requestsDone(); })) << context;
      const QString before = list->Text();
      const bool changes = act(*list);
      ASSERT_FALSE(list->Text().isEmpty()) << context;
      EXPECT_EQ(list->Text() != before, changes) << context;
      EXPECT_TRUE(changes || requestsDone()) << context << ": asked for a load";
      expectAgreement(context);
    }
  }
}

// The file list: a click names the file as the location, and the list keeps
// up with files created and deleted in its folder.
TEST_F(RealClock, TheFileListFollowsGesturesAndItsFolder) {
  rom::frmDestination& dialog = program_->frmDestination();
  const QString folder = files_.path("roms");
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const char* name : {"alpha.nes", "bravo.nes", "charlie.nes", "delta.nes"}) {
    files_.write(QStringLiteral("roms/") + name);
  }
  dialog.Show();
  dialog.Dir1->setPath(folder);
  rt::FileList& files = *dialog.File1;
  ASSERT_TRUE(waitFor([&] { return files.count() == 4; }));
  click(files, 1);
  const QString typed = QStringLiteral("C:\\typed\\by the user.nes");
  for (const auto& [name, act] : gestures()) {
    dialog.Destination->setText(typed);
    const QString before = files.FileName();
    const bool changes = act(files);
    ASSERT_FALSE(files.FileName().isEmpty()) << name;
    EXPECT_EQ(files.FileName() != before, changes) << name;
    const QString location = changes ? folder + '\\' + files.FileName() : typed;
    EXPECT_EQ(dialog.Destination->Text(), location) << name;
  }

  click(files, 1);
  dialog.Destination->setText(typed);
  files_.write("roms/aardvark.NES");
  ASSERT_TRUE(waitFor([&] { return files.count() == 5; }));
  EXPECT_EQ(files.item(0)->text(), "aardvark.NES");
  EXPECT_EQ(files.FileName(), "bravo.nes");
  ASSERT_TRUE(QFile::remove(files_.path("roms/charlie.nes")));
  ASSERT_TRUE(waitFor([&] { return files.count() == 4; }));
  EXPECT_TRUE(files.findItems("charlie.nes", Qt::MatchExactly).isEmpty());
  EXPECT_EQ(files.FileName(), "bravo.nes");
  // Following the folder is no choice of the user's.
  EXPECT_EQ(dialog.Destination->Text(), typed);
}

// A modal Show inside a tick runs the loop: the other timers go on ticking,
// the one whose handler waits is not entered again, and timers may come and
// go meanwhile.
TEST(RealClockTimers, TimersTickThroughAModalShowMadeInsideATick) {
  rt::Runtime runtime(rt::TimerHub::Clock::Real);
  rt::Window dialog(runtime, {"modal", 1500, 1500, 0, 0, rt::WindowBorder::FixedSingle, Qt::gray});
  rt::Timer opener(runtime.timers, 1, true);
  rt::Timer polling(runtime.timers, 1, true);
  auto doomed = std::make_unique<rt::Timer>(runtime.timers, 1, true);
  std::unique_ptr<rt::Timer> late;
  int opened = 0;
  int ticksWhileShown = 0;
  int lateTicks = 0;
  bool returned = false;
  opener.onTick([&] {
    if (++opened > 1) return;
    // Should the timers stop under the modal loop, the test still ends.
    QTimer::singleShot(3000, &dialog, [&] { dialog.Hide(); });
    dialog.Show(rt::Modality::Modal);
    returned = true;
  });
  polling.onTick([&] {
    if (!dialog.isVisible()) return;
    EXPECT_EQ(opened, 1);
    if (++ticksWhileShown == 5) {
      doomed.reset();
      late = std::make_unique<rt::Timer>(runtime.timers, 1, true);
      late->onTick([&] { ++lateTicks; });
    }
    if (ticksWhileShown == 20) dialog.Hide();
  });
  EXPECT_TRUE(waitFor([&] { return returned; }));
  EXPECT_EQ(ticksWhileShown, 20);
  EXPECT_GT(lateTicks, 0);
  EXPECT_TRUE(waitFor([&] { return opened > 1; }));
}

// A 1 ms timer ticks as often as a plain 1 ms Qt timer beside it, and never
// sooner than 1 ms after its last tick.
TEST(RealClockTimers, AOneMillisecondTimerTicksAsOftenAsAQtTimerAndNeverSooner) {
  rt::Runtime runtime(rt::TimerHub::Clock::Real);
  rt::Timer timer(runtime.timers, 1, true);
  int ticks = 0;
  std::optional<Steady::time_point> last;
  Steady::duration shortest = Steady::duration::max();
  timer.onTick([&] {
    const auto now = Steady::now();
    if (last) shortest = std::min(shortest, now - *last);
    last = now;
    ++ticks;
  });
  QTimer reference;
  reference.setTimerType(Qt::PreciseTimer);
  int referenceTicks = 0;
  QObject::connect(&reference, &QTimer::timeout, [&] { ++referenceTicks; });
  reference.start(1);
  ASSERT_TRUE(waitFor([&] { return referenceTicks >= 200; }));
  EXPECT_GE(shortest, std::chrono::milliseconds(1));
  EXPECT_GT(ticks, referenceTicks / 2);
}

// Two requests of one event fall due at the same round, the lower rank
// first: also when the event takes a while between them, and when the round
// that first looks at them has a slow handler before them.
TEST(RealClockTimers, RequestsOfOneEventFallDueTogetherInRankOrder) {
  const auto takeTime = [](std::chrono::microseconds time) {
    const auto later = Steady::now() + time;
    while (Steady::now() < later) {
    }
  };
  rt::Runtime runtime(rt::TimerHub::Clock::Real);
  bool slowPoll = false;
  int polls = 0;
  rt::Timer polling(runtime.timers, 1, true);
  polling.onTick([&] {
    ++polls;
    if (std::exchange(slowPoll, false)) takeTime(std::chrono::microseconds(1500));
  });
  std::vector<std::string> order;
  rt::Timer screen(runtime.timers, 1, false);
  rt::Timer pictures(runtime.timers, 1, false);
  pictures.setRank(-1);
  for (auto& [timer, name] : {std::pair{&screen, "screen"}, std::pair{&pictures, "pictures"}}) {
    timer->onTick([&order, timer = timer, name = name] {
      order.push_back(name);
      timer->setEnabled(false);
    });
  }
  for (const bool slowEvent : {true, false}) {
    order.clear();
    ASSERT_TRUE(waitFor([&, from = polls] { return polls > from + 2; }));
    QTimer::singleShot(0, [&] {
      // With a poll overdue, a round starts at once, before the requests
      // are due.
      if (!slowEvent) takeTime(std::chrono::microseconds(1200));
      screen.setEnabled(true);
      if (slowEvent) takeTime(std::chrono::microseconds(1500));
      pictures.setEnabled(true);
      slowPoll = !slowEvent;
    });
    ASSERT_TRUE(waitFor([&] { return order.size() == 2; }));
    EXPECT_EQ(order, (std::vector<std::string>{"pictures", "screen"})) << slowEvent;
  }
}

// Left alone, the editor's driver sleeps; a click on a palette cell wakes it
// until the block has reached PaintBit, and then it sleeps again.
TEST_F(RealClock, TheIdleEditorSleepsAndAPaletteClickWakesItForTheHandOff) {
  const rt::TimerHub& timers = program_->runtime().timers;
  ASSERT_TRUE(waitFor([&] { return timers.asleep(); }));
  QTest::mouseClick(palette().G[0x2C], Qt::LeftButton);
  EXPECT_FALSE(timers.asleep());
  ASSERT_TRUE(waitFor([&] { return timers.asleep(); }));
  EXPECT_EQ(main().PaintBit, 0x2C);
  EXPECT_EQ(main().Selected->Picture().cacheKey(), palette().G[0x2C]->Picture().cacheKey());
}
