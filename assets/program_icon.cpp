#include "assets/program_icon.h"

#include <QPixmap>
#include <iterator>

#include "assets/pixel_map.h"

namespace assets {

namespace {

// The colour table in index order; index 0, the clear ink, is transparent.
constexpr Ink kInks[] = {
    {kClear, qRgba(0, 0, 0, 0)},  // around the sky
    {'k', qRgb(0, 0, 0)},         // outlines, the bat
    {'n', qRgb(40, 24, 72)},      // night sky
    {'u', qRgb(16, 16, 40)},      // the dark of the gateway
    {'y', qRgb(240, 224, 120)},   // moon
    {'w', qRgb(255, 255, 255)},   // moonlight
    {'d', qRgb(64, 64, 72)},      // shaded stone, mortar
    {'s', qRgb(128, 128, 136)},   // stone
    {'l', qRgb(184, 184, 192)},   // lit stone
    {'i', qRgb(100, 100, 110)},   // portcullis iron
    {'o', qRgb(240, 144, 32)},    // lit windows
    {'R', qRgb(220, 32, 32)},     // the bat's eyes
};

// clang-format off
constexpr std::string_view kIcon[] = {
    ".............nnnnnn.............",
    "..........nnnnnnnnnnnn..........",
    "........nnnnnnnnnnnnnnyyyy......",
    "...k..nnnnnnnnnknnnnnyyyyyy.....",
    "...kknnnknknnnkknnnnyyyyyyyy....",
    "...kkknnkkknnkkknnnnyyyyywyy....",
    "...kkkkkRkRkkkkknnnnyyyyyyyyn...",
    "...nkkkkkkkkkkknnnnnyyyyyyyyn...",
    ".kkknkkkkkknkknnnnnnnkkkykkkkkk.",
    ".ksknkkkkkknknnnnnnnnkskykskksk.",
    ".ksknkskkskknkkknkkknksknkskksk.",
    ".ksssssssskknkdknkdknkssssssssk.",
    ".klssssssskknkdknkdknklsssssssk.",
    "nklssssssskkkkkkkkkkkklssssssskn",
    "nkddddddddkddddddddddkddddddddkn",
    "nklsskkssskddddddddddklsskkssskn",
    "nklssoosdskddddddddddklssoosdskn",
    "nklssoosdskdkkkiikkkdklssoosdskn",
    "nkdddkkdddkkkiuiuiukkkdddkkdddkn",
    ".klsssssdskkuiuiuiuikklsssssdsk.",
    ".klssdsssskkiiiiiiiikklssdssssk.",
    ".klssdsssskkuiuiuiuikklssdssssk.",
    ".kddddddddkkuiuiuiuikkddddddddk.",
    ".klssdsssskkiiiiiiiikklssdssssk.",
    ".klsssssdskkuiuiuiuikklsssssdsk.",
    ".klsssssdskkuiuiuiuikklsssssdsk.",
    ".kddddddddkkiiiiiiiikkddddddddk.",
    ".klsssssdskkukukukukkklsssssdsk.",
    ".klssdsssskkuuuuuuuukklssdssssk.",
    ".klssdsssskkuuuuuuuukklssdssssk.",
    ".kddddddddkkuuuuuuuukkddddddddk.",
    ".kkkkkkkkkkkuuuuuuuukkkkkkkkkkk.",
};
// clang-format on

constexpr int kSize = 32;
static_assert(std::size(kIcon) == kSize);
static_assert(isWellFormed(kIcon, kSize, kInks));
static_assert(std::size(kInks) <= 16);

}  // namespace

QImage programIconImage() {
  QImage image(kSize, kSize, QImage::Format_Indexed8);
  image.setColorTable(colourTable(kInks));
  image.fill(0);
  paintMap(image, {0, 0}, kIcon, kInks);
  return image;
}

QIcon programIcon() { return QIcon(QPixmap::fromImage(programIconImage())); }

}  // namespace assets
