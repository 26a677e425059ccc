#include "map_editor/about.h"

#include "app/window_access.h"

namespace {

const rt::WindowDesign kDesign{
    .caption = QStringLiteral("About... bla bla bla"),
    .clientWidth = 3345,
    .clientHeight = 4230,
    .left = 2055,
    .top = 2670,
    .border = rt::Border::Sizable,
    .background = QColor(),  // the system's own
};

}  // namespace

AboutControls::AboutControls(rt::Runtime& runtime) : rt::Window(runtime, kDesign) {}

About::About(WindowAccess& windows) : AboutControls(windows.runtime()) {}
