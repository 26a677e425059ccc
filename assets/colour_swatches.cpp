#include "assets/colour_swatches.h"

namespace assets {

QImage colourSwatch(int index) {
  QImage swatch(kSwatchWidth, kSwatchHeight, QImage::Format_RGB888);
  swatch.fill(QColor::fromRgb(kSwatchColours.at(index)));
  return swatch;
}

}  // namespace assets
