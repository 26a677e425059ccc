// What single handlers cost: the screen load, a map cell write (with and
// without putting it on the disk), a picture set load of each set and a
// polling tick of each window, on a sample ROM image of 262160 bytes.
#include "app/program.h"
#include "tools/sample_rom.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The system's calls but for fdatasync, which puts nothing on the disk: what
// a write costs without waiting for the disk.
class WithoutSync : public rt::SystemCalls {
 public:
  int fdatasync(int) override { return 0; }
};

// A started program with timers that tick whenever asked, also when a
// sleeping driver would not.
class Session {
 public:
  explicit Session(std::shared_ptr<rt::SystemCalls> calls = {}) {
    QFile file(dir_.filePath("cv2.nes"));
    file.open(QIODevice::WriteOnly);
    file.write(sample_rom::make());
    file.close();
    app::ProgramOptions options;
    options.clock = rt::TimerHub::Clock::Manual;
    options.driver = rt::TimerHub::Driver::AlwaysTicking;
    options.reportHook = [](const QString& message) { qFatal("%s", qPrintable(message)); };
    options.onEnd = [] {};
    options.systemCalls = std::move(calls);
    program_ = std::make_unique<app::Program>(options);
    program_->frmMain();
    program_->frmDestination().Destination->setText(file.fileName());
    for (int round = 0; round < 4; ++round) program_->runtime().timers.tickAll();
  }

  app::Program& program() { return *program_; }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<app::Program> program_;
};

void BM_ScreenLoad(benchmark::State& state) {
  Session session;
  map_editor::frmMain& main = session.program().frmMain();
  for (auto _ : state) {
    main.LoadROM.setEnabled(true);
    main.LoadROM_Timer();
  }
}
BENCHMARK(BM_ScreenLoad);

// A cell write as the program makes it, and the same without the sync.
void BM_MapCellWrite(benchmark::State& state, std::shared_ptr<rt::SystemCalls> calls) {
  Session session(std::move(calls));
  map_editor::frmMain& main = session.program().frmMain();
  for (auto _ : state) {
    main.B_Click(5);
    main.SaveToROM_Timer();
  }
}
BENCHMARK_CAPTURE(BM_MapCellWrite, synced, nullptr);
BENCHMARK_CAPTURE(BM_MapCellWrite, unsynced, std::make_shared<WithoutSync>());

void BM_PictureSetLoad(benchmark::State& state) {
  Session session;
  app::Program& program = session.program();
  const int number = static_cast<int>(state.range(0));
  // Another set first each time, so that every load changes the palette.
  const int other = number == 1 ? 2 : 1;
  auto load = [&](int set) {
    program.frmMain().GScroll->setValue(set);
    program.Graphix().Change.setEnabled(true);
    program.Graphix().Change_Timer();
  };
  for (auto _ : state) {
    state.PauseTiming();
    load(other);
    state.ResumeTiming();
    load(number);
  }
}
BENCHMARK(BM_PictureSetLoad)->DenseRange(1, 7)->ArgName("set");

// One tick of a window's polling timer, which is always enabled.
template <class PollingTimer>
void BM_PollingTick(benchmark::State& state, PollingTimer timerOf) {
  Session session;
  rt::Timer& timer = timerOf(session.program());
  for (auto _ : state) timer.tick();
}
BENCHMARK_CAPTURE(BM_PollingTick, frmMain, [](app::Program& p) -> rt::Timer& { return p.frmMain().Constant; });
BENCHMARK_CAPTURE(BM_PollingTick, Graphix, [](app::Program& p) -> rt::Timer& { return p.Graphix().Constant; });
BENCHMARK_CAPTURE(BM_PollingTick, frmDestination,
                  [](app::Program& p) -> rt::Timer& { return p.frmDestination().Timer1; });
BENCHMARK_CAPTURE(BM_PollingTick, frmColors,
                  [](app::Program& p) -> rt::Timer& { return p.frmColors().Constant; });
BENCHMARK_CAPTURE(BM_PollingTick, frmDifficulty,
                  [](app::Program& p) -> rt::Timer& { return p.frmDifficulty().Constant; });

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
