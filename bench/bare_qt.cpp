// The reference program: one window, one empty 1 ms timer.
//   bare_qt first-paint   prints the moment its window is first painted
//   bare_qt idle SECONDS  prints its CPU time over that many seconds
#include "bench/probe_clock.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

class Bare : public QWidget {
 public:
  bool reportPaint = false;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), Qt::gray);
    if (reportPaint) {
      reportPaint = false;
      probe::printFirstPaint();
      QTimer::singleShot(0, qApp, &QApplication::quit);
    }
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const bool firstPaint = argc > 1 && std::strcmp(argv[1], "first-paint") == 0;
  const double seconds = argc > 2 ? std::atof(argv[2]) : 10.0;
  Bare window;
  window.resize(276, 427);
  window.reportPaint = firstPaint;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [] {});
  tick.start(1);
  window.show();
  double cpuAtStart = 0;
  if (!firstPaint) {
    // Settle first, as the editor's measurement does.
    QTimer::singleShot(1000, [&] { cpuAtStart = probe::cpuSeconds(); });
    QTimer::singleShot(1000 + static_cast<int>(seconds * 1000), [&] {
      probe::printIdleCpu(probe::cpuSeconds() - cpuAtStart, seconds);
      QApplication::quit();
    });
  }
  return QApplication::exec();
}
