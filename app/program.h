#pragma once

#include "editors/frm_colors.h"
#include "editors/frm_difficulty.h"
#include "map_editor/about.h"
#include "map_editor/frm_main.h"
#include "palette/bank_windows.h"
#include "palette/graphix.h"
#include "rom/frm_destination.h"
#include "rom/window_access.h"
#include "runtime/end_signals.h"
#include "runtime/runtime.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace app {

struct ProgramOptions {
  rt::TimerHub::Clock clock = rt::TimerHub::Clock::Real;
  rt::TimerHub::Driver driver = rt::TimerHub::Driver::Sleeping;
  // Empty: the user's desktop folder.
  QString desktopFolder;
  // Set: reports go here instead of the message window.
  rt::Reports::Hook reportHook;
  // Empty: the system's own calls.
  std::shared_ptr<rt::SystemCalls> systemCalls;
  // What ending the program does after every window has closed; by default
  // the event loop quits.
  std::function<void()> onEnd;
};

// Owns one instance of each window and creates it at its first access,
// running its load handler inside that access.
class Program final : public rom::WindowAccess {
 public:
  explicit Program(ProgramOptions options = {});
  ~Program();

  // Creates the start-up window, whose load handler runs, then shows it.
  void Start();
  // SIGTERM, SIGINT and SIGHUP end the program from then on as the main
  // window's close box does.
  void watchEndSignals();

  map_editor::frmMain& frmMain() override;
  rt::Window& mainWindow() override { return frmMain(); }
  palette::Graphix& Graphix() override;
  palette::GBase& GBase() override;
  palette::GBase2& GBase2() override;
  editors::frmColors& frmColors() override;
  editors::frmDifficulty& frmDifficulty() override;
  map_editor::About& About() override;
  rom::frmDestination& frmDestination() override;
  rt::Runtime& runtime() override { return runtime_; }
  rt::Reports& reports() override { return runtime_.reports; }
  rt::SystemCalls& systemCalls() override { return *runtime_.systemCalls; }
  QString romLocation() override;
  QString desktopFolder() const override;
  void End(Ending ending) override;

  // Whether a window of this class exists now, without creating it.
  template <class W>
  bool isLoaded() const {
    const auto windows = loadedWindows();
    return std::any_of(windows.begin(), windows.end(),
                       [](QWidget* window) { return dynamic_cast<W*>(window) != nullptr; });
  }

 private:
  template <class W>
  W& access(std::unique_ptr<W>& slot);
  // Closing by the frame unloads the window: the next access builds it anew.
  template <class W>
  W& accessUnloadedByItsFrame(std::unique_ptr<W>& slot);
  std::vector<QWidget*> loadedWindows() const;

  void finish();

  ProgramOptions options_;
  rt::Runtime runtime_;
  bool ending_ = false;
  std::unique_ptr<rt::EndSignals> endSignals_;
  // Windows unloaded by their frame, until their deferred delete.
  std::vector<QPointer<QWidget>> unloaded_;
  // Declared after the runtime: windows go before the timers' driver.
  std::unique_ptr<rom::frmDestination> frmDestination_;
  std::unique_ptr<palette::GBase> GBase_;
  std::unique_ptr<palette::GBase2> GBase2_;
  std::unique_ptr<palette::Graphix> Graphix_;
  std::unique_ptr<editors::frmColors> frmColors_;
  std::unique_ptr<editors::frmDifficulty> frmDifficulty_;
  std::unique_ptr<map_editor::About> About_;
  std::unique_ptr<map_editor::frmMain> frmMain_;
};

}  // namespace app
