#pragma once

#include <QImage>

namespace assets {

// The main window's way into the About box: the hero with his whip between
// two pillars under a large question mark; 89 x 78 pixels, opaque.
QImage aboutPicture();

}  // namespace assets
