#include "app/program.h"

#include "runtime/fonts.h"
#include "runtime/style.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace app {

Program::Program(ProgramOptions options)
    : options_(std::move(options)),
      runtime_(options_.clock,
               options_.systemCalls ? options_.systemCalls : std::make_shared<rt::SystemCalls>(),
               options_.driver) {
  if (options_.reportHook) runtime_.reports.setHook(options_.reportHook);
  rt::useDesignStyle();
  rt::useDesignFont();
}

Program::~Program() {
  // A window unloaded by its frame goes with the program at the latest.
  for (const QPointer<QWidget>& window : unloaded_) delete window.data();
}

template <class W>
W& Program::access(std::unique_ptr<W>& slot) {
  if (!slot) {
    // The slot holds the window before its load handler runs, so that the
    // handler and whatever it reaches find this one instance.
    slot = std::make_unique<W>(*this);
    slot->Form_Load();
  }
  return *slot;
}

template <class W>
W& Program::accessUnloadedByItsFrame(std::unique_ptr<W>& slot) {
  if (!slot) {
    slot = std::make_unique<W>(*this);
    slot->onCloseBox([this, &slot, window = slot.get()] {
      // Close events that arrive together unload the window once.
      if (slot.get() != window) return;
      slot.release();
      window->hide();
      // The window is inside its own close event: it goes once that returns.
      window->deleteLater();
      std::erase_if(unloaded_, [](const QPointer<QWidget>& gone) { return gone.isNull(); });
      unloaded_.emplace_back(window);
    });
    slot->Form_Load();
  }
  return *slot;
}

void Program::Start() { frmMain().Show(); }

void Program::watchEndSignals() {
  endSignals_ = std::make_unique<rt::EndSignals>([this] { frmMain().Form_Unload(); });
}

map_editor::frmMain& Program::frmMain() { return access(frmMain_); }
palette::Graphix& Program::Graphix() { return access(Graphix_); }
palette::GBase& Program::GBase() { return access(GBase_); }
palette::GBase2& Program::GBase2() { return access(GBase2_); }
editors::frmColors& Program::frmColors() { return accessUnloadedByItsFrame(frmColors_); }
editors::frmDifficulty& Program::frmDifficulty() {
  return accessUnloadedByItsFrame(frmDifficulty_);
}
map_editor::About& Program::About() { return access(About_); }
rom::frmDestination& Program::frmDestination() { return access(frmDestination_); }

QString Program::romLocation() { return frmDestination().Destination->Text(); }

QString Program::desktopFolder() const {
  if (!options_.desktopFolder.isEmpty()) return options_.desktopFolder;
  return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

std::vector<QWidget*> Program::loadedWindows() const {
  std::vector<QWidget*> windows{frmMain_.get(),   Graphix_.get(),       GBase_.get(),
                                GBase2_.get(),    frmColors_.get(),     frmDifficulty_.get(),
                                About_.get(),     frmDestination_.get()};
  std::erase(windows, nullptr);
  return windows;
}

void Program::End(Ending ending) {
  if (ending_) return;
  ending_ = true;
  runtime_.timers.stop();
  for (QWidget* window : loadedWindows()) window->hide();
  if (ending == Ending::AfterTheReport) {
    runtime_.reports.afterDismissal([this] { finish(); });
  } else {
    finish();
  }
}

void Program::finish() {
  if (options_.onEnd) {
    options_.onEnd();
  } else {
    QCoreApplication::quit();
  }
}

}  // namespace app
