#include "palette/graphix.h"

#include "app/window_access.h"

GraphixControls::GraphixControls(rt::Runtime& runtime)
    : rt::Window(runtime, {"Graphix", 4000, 4000, 0, 0, rt::Border::Sizable, QColor()}) {}

Graphix::Graphix(WindowAccess& windows) : GraphixControls(windows.runtime()), windows_(windows) {}
