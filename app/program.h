#pragma once

#include "app/window_access.h"
#include "map_editor/frm_main.h"
#include "rom/frm_destination.h"
#include "runtime/runtime.h"

#include <functional>
#include <memory>

struct ProgramOptions {
  rt::TimerHub::Clock clock = rt::TimerHub::Clock::Real;
  // Empty: the user's desktop folder.
  QString desktopFolder;
  // Set: reports go here instead of the message window.
  rt::Reports::Hook reportHook;
  // What ending the program does after every window has closed; by default
  // the event loop quits.
  std::function<void()> onEnd;
};

// Owns one instance of each window and creates it at its first access,
// running its load handler inside that access.
class Program final : public WindowAccess {
 public:
  explicit Program(ProgramOptions options = {});
  ~Program();

  // Creates the start-up window, whose load handler runs, then shows it.
  void Start();

  ::frmMain& frmMain() override;
  ::frmDestination& frmDestination() override;
  rt::Runtime& runtime() override { return runtime_; }
  rt::Reports& reports() override { return runtime_.reports; }
  QString desktopFolder() const override;
  void End() override;

  bool ended() const { return ended_; }
  bool isLoaded(const QWidget& window) const;

 private:
  template <class W>
  W& access(std::unique_ptr<W>& slot);
  template <class W>
  void unload(std::unique_ptr<W>& slot);
  std::vector<QWidget*> loadedWindows() const;

  ProgramOptions options_;
  rt::Runtime runtime_;
  bool ended_ = false;
  // Declared after the runtime: windows go before the timers' driver.
  std::unique_ptr<::frmDestination> frmDestination_;
  std::unique_ptr<::frmMain> frmMain_;
};
