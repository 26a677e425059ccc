#include "editors/frm_colors.h"

#include "app/window_access.h"

namespace {

const rt::WindowDesign kDesign{
    .caption = QStringLiteral("Change the Colors"),
    .clientWidth = 3285,
    .clientHeight = 3420,
    .left = 2190,
    .top = 2715,
    .border = rt::Border::Sizable,
    .background = QColor(0, 0, 0),
};

}  // namespace

frmColorsControls::frmColorsControls(rt::Runtime& runtime) : rt::Window(runtime, kDesign) {}

frmColors::frmColors(WindowAccess& windows)
    : frmColorsControls(windows.runtime()), windows_(windows) {}

void frmColors::Form_Load() {}
