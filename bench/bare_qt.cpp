// The reference programs: one event-driven window filled with one colour,
//   bare_qt          with no timer
//   bare_qt 1ms      with one empty 1 ms timer, as the editor once polled
//   bare_qt text     with no timer and one line of text, so that its first
//                    paint starts the system's fonts as the editor's does
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
 public:
  bool withText = false;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(bare::kFill));
    if (withText) painter.drawText(8, 400, QString::fromLatin1(bare::kTitle));
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  Bare window;
  window.setWindowTitle(QString::fromLatin1(bare::kTitle));
  window.setGeometry(118, 152, 276, 427);
  window.withText = argc > 1 && std::strcmp(argv[1], "text") == 0;
  QTimer tick;
  if (argc > 1 && std::strcmp(argv[1], "1ms") == 0) {
    QObject::connect(&tick, &QTimer::timeout, [] {});
    tick.start(1);
  }
  window.show();
  return QApplication::exec();
}
