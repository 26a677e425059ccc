#include "assets/hero_picture.h"

#include "assets/pixel_map.h"

#include <iterator>
#include <string_view>

namespace assets {

namespace {

constexpr int kHeroWidth = 32;
constexpr int kHeroHeight = 59;

constexpr Ink kInks[] = {
    {'K', qRgb(0x00, 0x00, 0x00)},
    {'W', qRgb(0xFF, 0xFF, 0xFF)},
    {'R', qRgb(0xFF, 0x38, 0x00)},  // red-orange
};

// clang-format off
constexpr std::string_view kHero[] = {
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
// clang-format on

static_assert(std::size(kHero) == kHeroHeight);
static_assert(isWellFormed(kHero, kHeroWidth, kInks));

}  // namespace

QImage heroPicture() {
  QImage picture(kHeroWidth, kHeroHeight, QImage::Format_ARGB32);
  // What the map leaves clear stays transparent.
  picture.fill(Qt::transparent);
  paintMap(picture, {0, 0}, kHero, kInks);
  return picture;
}

}  // namespace assets
