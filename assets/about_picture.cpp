#include "assets/about_picture.h"

#include <QRect>
#include <cmath>
#include <iterator>
#include <vector>

#include "assets/pixel_map.h"

namespace assets {

namespace {

constexpr int kWidth = 89;
constexpr int kHeight = 78;
constexpr int kFloorTop = 70;

constexpr Ink kHeroInks[] = {
    {'k', qRgb(0, 0, 0)},        // outline
    {'h', qRgb(120, 64, 24)},    // hair
    {'f', qRgb(240, 184, 136)},  // skin
    {'F', qRgb(200, 136, 96)},   // skin in shadow
    {'t', qRgb(152, 88, 40)},    // leather tunic
    {'T', qRgb(104, 56, 24)},    // tunic in shadow
    {'b', qRgb(64, 40, 24)},     // belt
    {'g', qRgb(232, 200, 64)},   // buckle
    {'a', qRgb(168, 168, 180)},  // collar of mail
    {'c', qRgb(176, 32, 32)},    // cloak
    {'l', qRgb(120, 40, 40)},    // legs
    {'B', qRgb(72, 40, 16)},     // boots
    {'W', qRgb(96, 56, 24)},     // whip handle
    {'w', qRgb(208, 152, 72)},   // whip
};

// Facing us, whip in his left hand, its lash lying on the floor.
// clang-format off
constexpr std::string_view kHero[] = {
    ".........kkkk.............",
    ".......kkhhhhkk...........",
    "......khhhhhhhhk..........",
    ".....khhhhhhhhhhk.........",
    ".....khhffffffhhk.........",
    ".....khfkffffkfhk.........",
    ".....kffkffffkffk.........",
    "......kfffFFfffk..........",
    "......kkfffffffk..........",
    ".....kckkfFFfkkck.........",
    "....kccaakkkkaacck........",
    "...kcctaaaaaaaatcck.......",
    "...kctttttTTtttttck.......",
    "..kfkcttttTTttttckfk......",
    "..kffkttttTTttttkffk......",
    "..kffkbbbbggbbbbkffk......",
    "..kfk.kttttttttk.kfkk.....",
    "...k..kttttttttk..kWk.....",
    "......kTTk..kTTk..kwk.....",
    "......kllk..kllk...w......",
    "......kllk..kllk...w......",
    "......kllk..kllk....w.....",
    "......kBBk..kBBk....w.....",
    ".....kBBBk..kBBBk...w.....",
    "....kBBBBk..kBBBBk..w.....",
    "....kkkkkk..kkkkkk...wwwww",
};
// clang-format on

constexpr int kHeroWidth = 26;
static_assert(isWellFormed(kHero, kHeroWidth, kHeroInks));
// He stands on the floor, in the middle.
constexpr QPoint kHeroAt(kWidth / 2 - 10, kFloorTop - static_cast<int>(std::size(kHero)));

// The colours of a shape: its body, its lit top and left edges, its shaded
// bottom and right edges, and the outline around it.
struct Shading {
  QRgb body;
  QRgb lit;
  QRgb shaded;
  QRgb outline;
};

constexpr Shading kStone{qRgb(150, 144, 136), qRgb(200, 196, 188), qRgb(96, 90, 84),
                         qRgb(24, 20, 28)};
constexpr Shading kGold{qRgb(232, 184, 48), qRgb(255, 232, 128), qRgb(168, 112, 24),
                        qRgb(56, 32, 8)};

// Paints the pixels within `bounds` for which `inside(x, y)` holds.
template <class Inside>
void paintShape(QImage& image, const QRect& bounds, Inside inside, const Shading& colours) {
  // Each pixel is tested once: edges and outline look at its neighbours.
  std::vector<bool> mask(static_cast<std::size_t>(bounds.width() * bounds.height()));
  for (int y = 0; y < bounds.height(); ++y) {
    for (int x = 0; x < bounds.width(); ++x) {
      mask[static_cast<std::size_t>(y * bounds.width() + x)] =
          inside(bounds.left() + x, bounds.top() + y);
    }
  }
  const auto in = [&](int x, int y) {
    return bounds.contains(x, y) &&
           mask[static_cast<std::size_t>((y - bounds.top()) * bounds.width() + x - bounds.left())];
  };
  for (int y = bounds.top() - 1; y <= bounds.bottom() + 1; ++y) {
    for (int x = bounds.left() - 1; x <= bounds.right() + 1; ++x) {
      if (!image.valid(x, y)) continue;
      if (in(x, y)) {
        QRgb colour = colours.body;
        if (!in(x - 1, y) || !in(x, y - 1)) {
          colour = colours.lit;
        } else if (!in(x + 1, y) || !in(x, y + 1)) {
          colour = colours.shaded;
        }
        image.setPixel(x, y, colour);
        continue;
      }
      bool touches = false;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) touches = touches || in(x + dx, y + dy);
      }
      if (touches) image.setPixel(x, y, colours.outline);
    }
  }
}

void paintSky(QImage& image) {
  for (int y = 0; y < kFloorTop; ++y) {
    const int t = y * 32 / (kFloorTop - 1);
    const QRgb colour = qRgb(16 + t, 12 + t / 2 + t / 4, 40 + t + t / 4);
    for (int x = 0; x < kWidth; ++x) image.setPixel(x, y, colour);
  }
  constexpr QPoint kStars[] = {{5, 4},   {15, 8},  {24, 2},  {64, 5},  {76, 2}, {84, 9},
                               {23, 28}, {65, 33}, {21, 47}, {67, 52}, {10, 1}, {58, 12}};
  for (const QPoint& star : kStars) image.setPixel(star, qRgb(208, 208, 232));
}

void paintFloor(QImage& image) {
  for (int y = kFloorTop; y < kHeight; ++y) {
    const int row = y - kFloorTop;
    for (int x = 0; x < kWidth; ++x) {
      QRgb colour = qRgb(80, 72, 64);
      const bool joint = row < 4 ? x % 12 == 0 : x % 12 == 6;
      if (row == 0) {
        colour = qRgb(120, 108, 96);
      } else if (row == 4 || joint) {
        colour = qRgb(48, 42, 40);
      }
      image.setPixel(x, y, colour);
    }
  }
}

// A fluted pillar 15 pixels wide from its capital down to the floor.
void paintPillar(QImage& image, int left) {
  const auto inside = [left](int x, int y) {
    const int column = x - left;
    if (y <= 15 || y >= 66) return true;                         // abacus, plinth
    if (y <= 18 || y >= 64) return column >= 1 && column <= 13;  // echinus, torus
    return column >= 2 && column <= 12;                          // shaft
  };
  paintShape(image, QRect(left, 13, 15, kFloorTop - 13), inside, kStone);
  for (int y = 21; y <= 62; ++y) {
    for (const int flute : {4, 7, 10}) image.setPixel(left + flute, y, kStone.shaded);
  }
}

// A question mark as tall as the space above the hero's head.
void paintQuestionMark(QImage& image) {
  const double cx = kWidth / 2.0;
  const double cy = 15;
  const double stemHalf = 3.5;
  const auto inside = [=](int x, int y) {
    const double px = x + 0.5 - cx;
    const double py = y + 0.5 - cy;
    const double dot = std::hypot(px, py - 23);
    if (dot <= 3.8) return true;
    if (std::abs(px) <= stemHalf && py >= 0 && py <= 18) return true;
    const double ring = std::hypot(px, py);
    const bool hookCut = px < -stemHalf && py > 3;
    return ring >= 5.5 && ring <= 12.5 && !hookCut;
  };
  paintShape(image, QRect(0, 0, kWidth, kHeroAt.y() - 2), inside, kGold);
}

}  // namespace

QImage aboutPicture() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  paintSky(image);
  paintFloor(image);
  paintPillar(image, 3);
  paintPillar(image, kWidth - 3 - 15);
  paintQuestionMark(image);
  paintMap(image, kHeroAt, kHero, kHeroInks);
  return image;
}

}  // namespace assets
