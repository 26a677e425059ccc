#include "assets/block_pictures.h"

#include <QColor>

#include <array>

namespace assets {

namespace {

// Hexadecimal digits, 3 x 5 pixels each, one string per row.
constexpr std::array<std::array<const char*, 5>, 16> kDigits{{
    {"###", "#.#", "#.#", "#.#", "###"},  // 0
    {".#.", "##.", ".#.", ".#.", "###"},  // 1
    {"###", "..#", "###", "#..", "###"},  // 2
    {"###", "..#", ".##", "..#", "###"},  // 3
    {"#.#", "#.#", "###", "..#", "..#"},  // 4
    {"###", "#..", "###", "..#", "###"},  // 5
    {"###", "#..", "###", "#.#", "###"},  // 6
    {"###", "..#", ".#.", ".#.", ".#."},  // 7
    {"###", "#.#", "###", "#.#", "###"},  // 8
    {"###", "#.#", "###", "..#", "###"},  // 9
    {".#.", "#.#", "###", "#.#", "#.#"},  // A
    {"##.", "#.#", "##.", "#.#", "##."},  // B
    {".##", "#..", "#..", "#..", ".##"},  // C
    {"##.", "#.#", "#.#", "#.#", "##."},  // D
    {"###", "#..", "##.", "#..", "###"},  // E
    {"###", "#..", "##.", "#..", "#.."},  // F
}};

constexpr int kScale = 2;
constexpr int kDigitWidth = 3 * kScale;
constexpr int kDigitHeight = 5 * kScale;
constexpr int kDigitGap = 2;

QColor baseColour(PictureSet set) {
  switch (set) {
    case PictureSet::Town: return {150, 108, 60};
    case PictureSet::Trail: return {62, 132, 58};
    case PictureSet::Mansion: return {112, 72, 142};
    case PictureSet::Camilla: return {84, 94, 136};
    case PictureSet::Dracula: return {142, 42, 42};
    case PictureSet::Vrad: return {40, 122, 122};
  }
  return Qt::gray;
}

// Neighbouring block numbers differ in shade.
QColor shadeFor(PictureSet set, int block) {
  const int step = (block * 5) % 8;
  return baseColour(set).lighter(80 + step * 10);
}

void drawDigit(QImage& image, int digit, int left, int top, QRgb ink) {
  for (int row = 0; row < 5; ++row) {
    const char* pixels = kDigits[digit][row];
    for (int column = 0; column < 3; ++column) {
      if (pixels[column] != '#') continue;
      for (int dy = 0; dy < kScale; ++dy) {
        for (int dx = 0; dx < kScale; ++dx) {
          image.setPixel(left + column * kScale + dx, top + row * kScale + dy, ink);
        }
      }
    }
  }
}

}  // namespace

QImage blockPicture(PictureSet set, int block, int size) {
  QImage image(size, size, QImage::Format_RGB888);
  if (set == PictureSet::Town && block == 0) {
    image.fill(Qt::black);
    return image;
  }
  const QColor shade = shadeFor(set, block);
  image.fill(shade);
  const QRgb edge = shade.darker(160).rgb();
  for (int i = 0; i < size; ++i) {
    image.setPixel(i, size - 1, edge);
    image.setPixel(size - 1, i, edge);
  }
  const QRgb ink = shade.lightness() > 140 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
  const int left = (size - (2 * kDigitWidth + kDigitGap)) / 2;
  const int top = (size - kDigitHeight) / 2;
  drawDigit(image, (block >> 4) & 0xF, left, top, ink);
  drawDigit(image, block & 0xF, left + kDigitWidth + kDigitGap, top, ink);
  return image;
}

}  // namespace assets
