#include <gtest/gtest.h>

#include <QPixmap>
#include <QSet>

#include "assets/about_picture.h"
#include "assets/pixel_map.h"
#include "assets/program_icon.h"

namespace {

QSet<QRgb> coloursOf(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  }
  return colours;
}

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr assets::Ink kInks[] = {{'r', kRed}, {'g', kGreen}};

}  // namespace

TEST(PixelMap, PaintsItsInksLeavesClearPixelsAndStopsAtTheEdge) {
  QImage image(4, 2, QImage::Format_RGB32);
  image.fill(kBlue);
  constexpr std::string_view rows[] = {"r.gr", "gr", "rrrr"};
  assets::paintMap(image, {1, 0}, rows, kInks);
  EXPECT_EQ(image.pixel(0, 0), kBlue);
  EXPECT_EQ(image.pixel(1, 0), kRed);
  EXPECT_EQ(image.pixel(2, 0), kBlue);
  EXPECT_EQ(image.pixel(3, 0), kGreen);
  EXPECT_EQ(image.pixel(1, 1), kGreen);
  EXPECT_EQ(image.pixel(2, 1), kRed);
  EXPECT_EQ(image.pixel(3, 1), kBlue);
}

TEST(PixelMap, AnIndexedImageTakesTheInksPlaceAsItsIndex) {
  QImage image(2, 1, QImage::Format_Indexed8);
  image.setColorTable(assets::colourTable(kInks));
  image.fill(0);
  constexpr std::string_view rows[] = {".g"};
  assets::paintMap(image, {0, 0}, rows, kInks);
  EXPECT_EQ(image.pixelIndex(0, 0), 0);
  EXPECT_EQ(image.pixelIndex(1, 0), 1);
  EXPECT_EQ(image.pixel(1, 0), kGreen);
}

TEST(PixelMap, AWellFormedMapHasRowsOfOneWidthAndOnlyInksOrClear) {
  constexpr std::string_view good[] = {"r.g", "ggr"};
  constexpr std::string_view ragged[] = {"r.g", "gg"};
  constexpr std::string_view stray[] = {"r.g", "gxr"};
  static_assert(assets::isWellFormed(good, 3, kInks));
  static_assert(!assets::isWellFormed(ragged, 3, kInks));
  static_assert(!assets::isWellFormed(stray, 3, kInks));
  SUCCEED();
}

TEST(ProgramIcon, Is32By32InAtMost16ColoursWithTransparentCorners) {
  const QImage icon = assets::programIconImage();
  EXPECT_EQ(icon.size(), QSize(32, 32));
  EXPECT_EQ(icon.format(), QImage::Format_Indexed8);
  EXPECT_LE(icon.colorCount(), 16);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x)
      ASSERT_LT(icon.pixelIndex(x, y), icon.colorCount()) << x << "," << y;
  }
  for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
    EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
  }
  EXPECT_EQ(qAlpha(icon.pixel(16, 20)), 255);
  // A drawing, not a blank.
  EXPECT_GE(coloursOf(icon).size(), 8);
}

TEST(ProgramIcon, IsTheSameEveryTimeAndTheWindowIconShowsIt) {
  const QImage icon = assets::programIconImage();
  EXPECT_EQ(icon, assets::programIconImage());
  const QIcon windowIcon = assets::programIcon();
  EXPECT_TRUE(windowIcon.availableSizes().contains(QSize(32, 32)));
  EXPECT_EQ(windowIcon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
            icon.convertToFormat(QImage::Format_ARGB32));
}

TEST(AboutPicture, Is89By78OpaqueAndTheSameEveryTime) {
  const QImage picture = assets::aboutPicture();
  EXPECT_EQ(picture.size(), QSize(89, 78));
  EXPECT_FALSE(picture.hasAlphaChannel());
  EXPECT_EQ(picture, assets::aboutPicture());
  EXPECT_GE(coloursOf(picture).size(), 20);
}

TEST(AboutPicture, TheTwoPillarsAreAlikeAndReachTheFloor) {
  const QImage picture = assets::aboutPicture();
  // The right pillar is the left one 68 pixels on, outline included.
  for (int y = 12; y < 70; ++y) {
    for (int x = 2; x <= 18; ++x) {
      ASSERT_EQ(picture.pixel(x, y), picture.pixel(x + 68, y)) << x << "," << y;
    }
  }
  // Stone down to the floor, not sky.
  EXPECT_NE(picture.pixel(10, 69), picture.pixel(30, 69));
}
