#pragma once

namespace rt {

// Gives every window the system's style, less one picture that no window
// shows: that of a menu bar's overflow button, as every menu bar fits its
// window. Qt reads it from a file at the first menu bar, which loads the
// image format plug-ins on the way to the first screen.
void useDesignStyle();

}  // namespace rt
