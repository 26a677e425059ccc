#include "map_editor/frm_main.h"

#include "app/window_access.h"

namespace {

const rt::WindowDesign kDesign{
    .caption = QStringLiteral("Castlevania 2 - Marrow Gate"),
    .clientWidth = 4140,
    .clientHeight = 6105,
    .left = 1770,
    .top = 2280,
    .border = rt::Border::FixedSingle,
    .background = QColor(128, 128, 128),
    .menuBar = true,
};

}  // namespace

frmMainControls::frmMainControls(rt::Runtime& runtime) : rt::Window(runtime, kDesign) {}

frmMain::frmMain(WindowAccess& windows)
    : frmMainControls(windows.runtime()), windows_(windows) {
  onCloseBox([this] { Form_Unload(); });
}

void frmMain::Form_Load() {}

void frmMain::Form_Unload() { windows_.End(); }
