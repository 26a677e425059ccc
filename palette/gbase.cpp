#include "palette/gbase.h"

#include "app/window_access.h"

GBaseControls::GBaseControls(rt::Runtime& runtime)
    : rt::Window(runtime, {"GBase", 4000, 4000, 0, 0, rt::Border::Sizable, QColor()}) {}

GBase::GBase(WindowAccess& windows) : GBaseControls(windows.runtime()), windows_(windows) {}
