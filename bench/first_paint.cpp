// Start-up as the X server has it: starts a program and polls the screen
// until the program's window shows the expected pixels, with no word from
// the program itself.
//   first_paint editor ROM -- PROGRAM...  waits for map cell B0 to show the
//                                         block of the ROM's start screen
//   first_paint bare -- PROGRAM...        waits for the bare window's fill
// Prints the milliseconds from just before the program's exec to the first
// poll that saw them, then ends the program with SIGTERM.
#include "assets/block_pictures.h"
#include "bench/bare_window.h"
#include "map_editor/screen_position.h"

#include <QFile>
#include <QImage>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Target {
  std::string title;
  int column;                  // within the window
  std::vector<QRgb> pixels;    // a run down that column
};

// B0 is 8 pixels in from the client area's corner; its top row lies under
// the map's frame line, so the run starts on its second row.
std::optional<Target> editorTarget(const char* romPath) {
  constexpr double kStartScreen = 99496;
  QFile rom(QString::fromLocal8Bit(romPath));
  if (!rom.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = rom.readAll();
  const qint64 position = map_editor::cellPosition(kStartScreen, 0);
  if (position > bytes.size()) return std::nullopt;
  const int block = static_cast<std::uint8_t>(bytes[position - 1]);
  const QImage picture = assets::blockPicture(assets::PictureSet::Town, block, 32);
  constexpr int kColumn = 16;
  Target target{"Castlevania 2 - Marrow Gate", 8 + kColumn, {}};
  for (int y = 1; y < picture.height(); ++y) target.pixels.push_back(picture.pixel(kColumn, y) & 0xFFFFFF);
  return target;
}

Target bareTarget() { return {bare::kTitle, 24, std::vector<QRgb>(32, bare::kFill)}; }

Window findWindow(Display* display, Window root, const std::string& title) {
  Window rootBack = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, root, &rootBack, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && !found; ++i) {
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) && name) {
      if (title == name) found = children[i];
      XFree(name);
    }
  }
  if (children) XFree(children);
  return found;
}

// Whether the window's column on the screen holds the run of pixels.
bool shows(Display* display, Window root, Window window, const Target& target) {
  XWindowAttributes place{};
  if (!XGetWindowAttributes(display, window, &place) || place.map_state != IsViewable) return false;
  XImage* strip = XGetImage(display, root, place.x + target.column, place.y, 1,
                            static_cast<unsigned>(place.height), AllPlanes, ZPixmap);
  if (!strip) return false;
  std::vector<QRgb> column(static_cast<std::size_t>(place.height));
  for (int y = 0; y < place.height; ++y) column[y] = XGetPixel(strip, 0, y) & 0xFFFFFF;
  XDestroyImage(strip);
  return std::search(column.begin(), column.end(), target.pixels.begin(), target.pixels.end()) !=
         column.end();
}

}  // namespace

int main(int argc, char* argv[]) {
  int program = 1;
  while (program < argc && std::strcmp(argv[program], "--") != 0) ++program;
  ++program;
  std::optional<Target> target;
  if (argc > 2 && std::strcmp(argv[1], "editor") == 0) target = editorTarget(argv[2]);
  if (argc > 1 && std::strcmp(argv[1], "bare") == 0) target = bareTarget();
  if (!target || program >= argc) {
    std::fprintf(stderr, "usage: first_paint editor ROM|bare -- PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "first_paint: no X display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[program], argv + program);
    _exit(127);
  }
  bool seen = false;
  Window window = 0;
  while (!seen && Clock::now() - start < std::chrono::seconds(10)) {
    if (!window) window = findWindow(display, root, target->title);
    seen = window && shows(display, root, window, *target);
    // Polls that came closer would take the X server's time from the
    // program that starts.
    if (!seen) std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  if (!seen) {
    std::fprintf(stderr, "first_paint: the expected pixels did not show within 10 s\n");
    return 1;
  }
  std::printf("%.1f\n", ms);
  return 0;
}
