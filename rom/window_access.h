#pragma once

#include "rom/rom_access.h"

namespace rt {
struct Runtime;
class Window;
}  // namespace rt
namespace map_editor {
class frmMainControls;
class AboutControls;
}  // namespace map_editor
namespace palette {
class GraphixControls;
class GBaseControls;
class GBase2Controls;
}  // namespace palette
namespace editors {
class frmColorsControls;
class frmDifficultyControls;
}  // namespace editors

namespace rom {

class frmDestinationControls;

// How windows reach each other: through the program, which creates each
// window with its load handler at the first access, and implements this. A
// window's handlers include the controls header of another window, never its
// handlers. It stands beside the ROM location dialog, the window on the
// lowest floor, so that every window includes it downwards.
class WindowAccess : public RomContext {
 public:
  virtual map_editor::frmMainControls& frmMain() = 0;
  // The main window as a window alone, for the ROM location dialog, which
  // only shows it and so needs nothing of the main window's folder.
  virtual rt::Window& mainWindow() = 0;
  virtual palette::GraphixControls& Graphix() = 0;
  virtual palette::GBaseControls& GBase() = 0;
  virtual palette::GBase2Controls& GBase2() = 0;
  virtual editors::frmColorsControls& frmColors() = 0;
  virtual editors::frmDifficultyControls& frmDifficulty() = 0;
  virtual map_editor::AboutControls& About() = 0;
  virtual frmDestinationControls& frmDestination() = 0;
  virtual rt::Runtime& runtime() = 0;

  enum class Ending { Now, AfterTheReport };
  // Ends the program: every window closes. AfterTheReport ends it once the
  // user has dismissed the report shown now. Once begun, an end is not
  // begun again.
  virtual void End(Ending ending) = 0;

 protected:
  ~WindowAccess() = default;
};

}  // namespace rom
