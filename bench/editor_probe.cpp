// The editor measured whole, on the ROM image given.
//   editor_probe first-paint ROM    prints the moment the main window first
//                                   paints a screen of blocks
//   editor_probe idle ROM SECONDS   opens the difficulty and ROM location
//                                   dialogs beside the main window and the
//                                   palette, then prints its CPU time over
//                                   that many seconds
#include "app/program.h"
#include "bench/probe_clock.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// Sees the first paint of the last map cell once it shows a block picture.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(rt::PictureCell& cell) : cell_(cell), start_(cell.Picture().cacheKey()) {
    cell.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (!done_ && event->type() == QEvent::Paint && cell_.Picture().cacheKey() != start_) {
      done_ = true;
      probe::printFirstPaint();
      QTimer::singleShot(0, qApp, &QApplication::quit);
    }
    return false;
  }

 private:
  rt::PictureCell& cell_;
  qint64 start_;
  bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  if (argc < 3) {
    std::fprintf(stderr, "usage: editor_probe first-paint|idle ROM [SECONDS]\n");
    return 2;
  }
  const bool firstPaint = std::strcmp(argv[1], "first-paint") == 0;
  const double seconds = argc > 3 ? std::atof(argv[3]) : 10.0;

  ProgramOptions options;
  options.reportHook = [](const QString& message) {
    std::fprintf(stderr, "report: %s\n", qPrintable(message));
  };
  Program program(options);
  program.frmDestination().Destination->setText(QString::fromLocal8Bit(argv[2]));
  std::optional<FirstPaint> paint;
  if (firstPaint) paint.emplace(*program.frmMain().B[55]);
  program.Start();

  double cpuAtStart = 0;
  if (!firstPaint) {
    program.frmMain().mnuDifficulty->trigger();
    program.frmMain().mnuDestination->trigger();
    QTimer::singleShot(1000, [&] { cpuAtStart = probe::cpuSeconds(); });
    QTimer::singleShot(1000 + static_cast<int>(seconds * 1000), [&] {
      probe::printIdleCpu(probe::cpuSeconds() - cpuAtStart, seconds);
      program.End(WindowAccess::Ending::Now);
    });
  }
  return QApplication::exec();
}
