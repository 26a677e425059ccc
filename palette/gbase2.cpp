#include "palette/gbase2.h"

#include "app/window_access.h"

GBase2Controls::GBase2Controls(rt::Runtime& runtime)
    : rt::Window(runtime, {"GBase2", 4000, 4000, 0, 0, rt::Border::Sizable, QColor()}) {}

GBase2::GBase2(WindowAccess& windows) : GBase2Controls(windows.runtime()), windows_(windows) {}
