#include "app/program.h"

#include <QCoreApplication>
#include <QStandardPaths>

Program::Program(ProgramOptions options)
    : options_(std::move(options)), runtime_(options_.clock) {
  if (options_.reportHook) runtime_.reports.setHook(options_.reportHook);
}

Program::~Program() = default;

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
void Program::unload(std::unique_ptr<W>& slot) {
  if (!slot) return;
  W* window = slot.release();
  window->hide();
  window->deleteLater();
}

void Program::Start() { frmMain().Show(); }

::frmMain& Program::frmMain() { return access(frmMain_); }

::frmDestination& Program::frmDestination() { return access(frmDestination_); }

QString Program::desktopFolder() const {
  if (!options_.desktopFolder.isEmpty()) return options_.desktopFolder;
  return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

std::vector<QWidget*> Program::loadedWindows() const {
  std::vector<QWidget*> windows;
  for (QWidget* window : {static_cast<QWidget*>(frmMain_.get()),
                          static_cast<QWidget*>(frmDestination_.get())}) {
    if (window) windows.push_back(window);
  }
  return windows;
}

bool Program::isLoaded(const QWidget& window) const {
  const auto windows = loadedWindows();
  return std::find(windows.begin(), windows.end(), &window) != windows.end();
}

void Program::End() {
  if (ended_) return;
  ended_ = true;
  runtime_.timers.stop();
  for (QWidget* window : loadedWindows()) window->hide();
  if (options_.onEnd) {
    options_.onEnd();
  } else {
    QCoreApplication::quit();
  }
}
