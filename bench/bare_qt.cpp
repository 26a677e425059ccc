// The reference programs: one event-driven window filled with one colour,
//   bare_qt          with no timer
//   bare_qt 1ms      with one empty 1 ms timer, as the editor once polled
// placed where the editor's main window stands. They only run; bench/run
// watches them from outside.
#include "bench/bare_window.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

class Bare : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(bare::kFill)); }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  Bare window;
  window.setWindowTitle(QString::fromLatin1(bare::kTitle));
  window.setGeometry(118, 152, 276, 427);
  QTimer tick;
  if (argc > 1 && std::strcmp(argv[1], "1ms") == 0) {
    QObject::connect(&tick, &QTimer::timeout, [] {});
    tick.start(1);
  }
  window.show();
  return QApplication::exec();
}
