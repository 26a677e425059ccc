#pragma once

#include <QIcon>
#include <QImage>

namespace assets {

// The program's icon: a gatehouse under the moon with a bat in the night
// sky; 32 x 32 pixels in at most 16 colours, its corners transparent.
QImage programIconImage();
QIcon programIcon();

}  // namespace assets
