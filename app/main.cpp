#include "app/program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // The program ends when the main window closes, whatever else is open.
  QApplication::setQuitOnLastWindowClosed(false);
  app::Program program;
  program.watchEndSignals();
  program.Start();
  return QApplication::exec();
}
