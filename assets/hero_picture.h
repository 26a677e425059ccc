#pragma once

#include <QImage>

// The colour dialog's picture of the hero: 32 x 59 pixels in white,
// red-orange and black on a transparent ground, drawn here.
namespace assets {

QImage heroPicture();

}  // namespace assets
