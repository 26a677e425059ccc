#pragma once

#include "runtime/controls.h"
#include "runtime/runtime.h"

#include <QColor>
#include <QEventLoop>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace rt {

enum class WindowBorder { FixedSingle, Sizable, FixedTool };

struct WindowDesign {
  QString caption;
  int clientWidth;   // twips
  int clientHeight;  // twips
  int left;          // twips from the top left of the screen
  int top;
  WindowBorder border;
  QColor background;  // invalid: the system's window colour
  bool menuBar = false;
  // Whether left and top place the client area rather than the outer edge.
  bool placesClient = false;
};

enum class Modality { Modeless, Modal };

// A top-level window built from its design values. Controls sit on its
// client area at their twips places; a menu bar, if any, sits above it.
class Window : public QWidget {
 public:
  Window(Runtime& runtime, const WindowDesign& design);

  Runtime& runtime() { return runtime_; }
  QWidget* client() { return client_; }
  QMenuBar* windowMenuBar() { return menuBar_; }

  // Modeless returns at once; modal returns when the window goes away, the
  // other windows taking no input meanwhile.
  void Show(Modality modality = Modality::Modeless);
  void Hide() { hide(); }

  // Outer position and width in twips.
  float Left() const;
  float Top() const;
  float Width() const;
  void setLeft(float twips);
  void setTop(float twips);
  void setWidth(float twips);

  // Sizes the window to its design client area below the menu bar; call
  // again once the menus are built.
  void fitClient();

  // What the close box does; without it the close box hides the window.
  void onCloseBox(Handler handler) { closeBox_ = std::move(handler); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A twips value put is read back as it was while the pixel it maps to is
  // unchanged, as twips finer than a pixel would be lost otherwise.
  struct Remembered {
    std::optional<float> twips;
    float read(int pixels) const;
    void put(float value) { twips = value; }
  };

  int menuHeight() const;
  void layoutClient();

  Runtime& runtime_;
  QWidget* client_;
  QSize clientSize_;
  bool sizable_;
  QMenuBar* menuBar_ = nullptr;
  Handler closeBox_;
  QPointer<QEventLoop> modalLoop_;
  Remembered left_, top_, width_;
};

}  // namespace rt
