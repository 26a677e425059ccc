#include "assets/pixel_map.h"

namespace assets {

void paintMap(QImage& image, QPoint at, PixelMap rows, std::span<const Ink> inks) {
  const bool indexed = image.format() == QImage::Format_Indexed8;
  for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
    const std::string_view row = rows[static_cast<std::size_t>(y)];
    for (int x = 0; x < static_cast<int>(row.size()); ++x) {
      const char key = row[static_cast<std::size_t>(x)];
      const auto ink =
          std::find_if(inks.begin(), inks.end(), [key](const Ink& i) { return i.key == key; });
      const QPoint p = at + QPoint(x, y);
      if (key == kClear || ink == inks.end() || !image.valid(p)) continue;
      image.setPixel(p, indexed ? static_cast<uint>(ink - inks.begin()) : ink->colour);
    }
  }
}

QList<QRgb> colourTable(std::span<const Ink> inks) {
  QList<QRgb> table;
  for (const Ink& ink : inks) table.append(ink.colour);
  return table;
}

}  // namespace assets
