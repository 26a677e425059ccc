// The editor on the ROM image given, with its windows opened through its
// menus, left to idle until a signal ends it; bench/run watches it from
// outside.
//   editor_probe four-windows ROM   main window, palette, difficulty and ROM
//                                   location dialogs
//   editor_probe colours ROM        main window, palette and the modal colour
//                                   dialog
#include "app/program.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  if (argc < 3) {
    std::fprintf(stderr, "usage: editor_probe four-windows|colours ROM\n");
    return 2;
  }
  app::ProgramOptions options;
  options.reportHook = [](const QString& message) {
    std::fprintf(stderr, "report: %s\n", qPrintable(message));
  };
  app::Program program(options);
  program.watchEndSignals();
  program.frmDestination().Destination->setText(QString::fromLocal8Bit(argv[2]));
  program.Start();
  map_editor::frmMain& main = program.frmMain();
  if (std::strcmp(argv[1], "colours") == 0) {
    // The modal dialog runs its loop inside the menu's handler.
    QTimer::singleShot(0, [&] { main.mnuColors->trigger(); });
  } else {
    main.mnuDifficulty->trigger();
    main.mnuDestination->trigger();
  }
  return QApplication::exec();
}
