#include "assets/hero_picture.h"

#include <QColor>

#include <array>
#include <string_view>

namespace assets {

namespace {

// One character a pixel: K black, W white, R red-orange, '.' transparent.
constexpr std::array<std::string_view, kHeroHeight> kHero{
    "................................",
    "................................",
    "...........KKKKKKKKKK...........",
    "...........KKKKKKKKKK...........",
    "..........KKKKKKKKKKKK..........",
    "..........KKKKKKKKKKKK..........",
    "..........KRRRRRRRRRRK..........",
    "..........KKWWWWWWWWKK..........",
    "..........KKWWWWWWWWKK..........",
    "..........KKWKKWWKKWKK..........",
    "...........KWWWWWWWWK...........",
    "...........KWWKWWKWWK...........",
    "...........KWWWWWWWWK...........",
    "............KKWWWWKK............",
    ".....KKKKKKKKKWWWWKKKKKKKKK.....",
    "....KRRRRRRRRRRRRRRRRRRRRRRK....",
    "....KRRRRRKRRRRRRRRRRRRRRRRK....",
    "....KRRRRRRKRRRRRRRRRRRRRRRK....",
    "....KWWWKRRRKRRRRRRRRRRKWWWK....",
    "....KWWWKRRRRKRRRRRRRRRKWWWK....",
    "....KWWWKRRRRRKRRRRRRRRKWWWK....",
    "....KWWWKRRRRRRKRRRRRRRKWWWK....",
    "....KWWWKRRRRRRRKRRRRRRKWWWK....",
    "....KWWWKRRRRRRRRKRRRRRKRRRK....",
    "....KRRRKRRRRRRRRRKRRRRKRRRK....",
    "....KRRRKKRRRRRRRRRKRRKKRRRK....",
    "....KRRRKKRRRRRRRRRRKRKKRRRK....",
    "....KRRRKKRRRRRRRRRRRK.KWWWK....",
    "....KWWWKKRRRRRRRRRRRRKKWWWK....",
    "....KWWWKKRRRRRRRRRRRRKKWWWKK...",
    "....KWWWK.KRRRRRRRRRRK..KKKKRK..",
    ".....KKK..KKKKKWWKKKKK.....KWK..",
    ".........KKKKKKWWKKKKKK...KWK...",
    "........KRRRRRRRRRRRRRRK..KRK...",
    "........KRRRRRRRRRRRRRRK..KWK...",
    "........KRRRRRRRRRRRRRRK..KWK...",
    "........KRRRRRRRRRRRRRRK...KRK..",
    ".........KRRRRRKKRRRRRK....KWK..",
    ".........KRRRRRKKRRRRRK....KWK..",
    ".........KRRRRRKKRRRRRK....KRK..",
    ".........KRRRRRKKRRRRRK...KWK...",
    ".........KRRRRRKKRRRRRK...KWK...",
    ".........KRRRRRKKRRRRRK...KRK...",
    ".........KRRRRRKKRRRRRK...KWK...",
    ".........KRRRRRKKRRRRRK....KWK..",
    ".........KRRRRRKKRRRRRK....KRK..",
    ".........KRRRRRKKRRRRRK....KWK..",
    ".........KRRRRRKKRRRRRK....KWK..",
    ".........KKKKKK..KKKKKK...KRK...",
    ".........KWKKKK..KWKKKK...KWK...",
    ".........KWKKKK..KWKKKK...KWK...",
    ".........KWKKKK..KWKKKK...KRK...",
    ".........KWKKKK..KWKKKK....KWK..",
    ".........KWKKKK..KWKKKK....KWK..",
    ".........KKKKKK..KKKKKK....KRK..",
    ".........KKKKKK..KKKKKK....KWK..",
    "........KKKKKKK..KKKKKKK..KWK...",
    "...........................K....",
    "................................",
};

constexpr bool wellFormed() {
  for (const std::string_view row : kHero) {
    if (row.size() != static_cast<std::size_t>(kHeroWidth)) return false;
    for (const char pixel : row) {
      if (std::string_view("KWR.").find(pixel) == std::string_view::npos) return false;
    }
  }
  return true;
}
static_assert(wellFormed(), "every row of the hero is 32 known pixels");

QRgb colourOf(char pixel) {
  switch (pixel) {
    case 'K': return qRgb(0x00, 0x00, 0x00);
    case 'W': return qRgb(0xFF, 0xFF, 0xFF);
    case 'R': return qRgb(0xFF, 0x38, 0x00);
    default: return qRgba(0, 0, 0, 0);
  }
}

}  // namespace

QImage heroPicture() {
  QImage picture(kHeroWidth, kHeroHeight, QImage::Format_ARGB32);
  for (int y = 0; y < kHeroHeight; ++y) {
    for (int x = 0; x < kHeroWidth; ++x) picture.setPixel(x, y, colourOf(kHero[y][x]));
  }
  return picture;
}

}  // namespace assets
