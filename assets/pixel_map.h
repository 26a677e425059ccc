#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <algorithm>
#include <span>
#include <string_view>

// Pictures drawn as maps of characters, one character per pixel.
namespace assets {

// The colour that one character of a pixel map paints.
struct Ink {
  char key;
  QRgb colour;
};

// Rows of pixels, top row first. A '.' leaves its pixel as it is, so that
// what lies below shows through.
inline constexpr char kClear = '.';
using PixelMap = std::span<const std::string_view>;

// Whether every row is `width` characters and every character is an ink or
// clear, so that a slip in a map fails to build instead of leaving a stray
// pixel.
constexpr bool isWellFormed(PixelMap rows, std::size_t width, std::span<const Ink> inks) {
  return std::all_of(rows.begin(), rows.end(), [&](std::string_view row) {
    return row.size() == width && std::all_of(row.begin(), row.end(), [&](char c) {
             return c == kClear || std::any_of(inks.begin(), inks.end(),
                                               [c](const Ink& ink) { return ink.key == c; });
           });
  });
}

// Paints the map with its top-left at `at`; pixels off the image are left
// out. An indexed image takes the ink's place in `inks` as its colour index,
// any other image the ink's colour.
void paintMap(QImage& image, QPoint at, PixelMap rows, std::span<const Ink> inks);

// The colour table of an indexed image painted with these inks.
QList<QRgb> colourTable(std::span<const Ink> inks);

}  // namespace assets
