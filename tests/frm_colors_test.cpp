#include "editors/frm_colors.h"

#include "byte_dialog_fixture.h"

#include <QFontMetricsF>
#include <QSet>

namespace {

using positions::kOutline;
using positions::kShirt;
using positions::kSkin;

constexpr QRgb kSwatch0 = 0x707770;
constexpr QRgb kSwatch1 = 0x1F00AF;
constexpr QRgb kSwatch17 = 0x3F5FF0;

}  // namespace

class FrmColorsTest : public ByteDialogTest {
 protected:
  editors::frmColors& dialog() { return program().frmColors(); }

  std::array<int, 3> bars() {
    return {dialog().ScrollSimonOutline->Value(), dialog().ScrollSimonShirt->Value(),
            dialog().ScrollSimonSkin->Value()};
  }

  std::array<std::optional<QRgb>, 3> previews() {
    return {solidColour(dialog().ColorSimonOutline->Picture()),
            solidColour(dialog().ColorSimonShirt->Picture()),
            solidColour(dialog().ColorSimonSkin->Picture())};
  }

  // The design values: bars at 0, previews at swatch 1 until a tick.
  void expectDesignValues() {
    EXPECT_EQ(bars(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(previews(), (std::array<std::optional<QRgb>, 3>{kSwatch1, kSwatch1, kSwatch1}));
  }
};

TEST_F(FrmColorsTest, TheWindowAndItsControlsStandAtTheirDesignPlaces) {
  useRom(romWith({}));
  editors::frmColors& d = dialog();
  EXPECT_EQ(d.windowTitle(), "Change the Colors");
  EXPECT_EQ(d.client()->size(), QSize(219, 228));
  EXPECT_EQ(d.pos(), QPoint(146, 181));
  // The design's places in pixels, 15 twips to a pixel.
  const std::vector<std::pair<QWidget*, QRect>> places{
      {d.Label4, {8, 8, 176, 13}},
      {d.Label1, {32, 72, 72, 13}},
      {d.ScrollSimonOutline, {8, 88, 169, 17}},
      {d.Picture1, {184, 84, 29, 26}},
      {d.Label2, {24, 112, 123, 13}},
      {d.ScrollSimonShirt, {8, 128, 169, 17}},
      {d.Picture2, {184, 123, 29, 26}},
      {d.Label3, {48, 152, 98, 13}},
      {d.ScrollSimonSkin, {8, 168, 169, 17}},
      {d.Picture3, {184, 164, 29, 26}},
      {d.cmdSave, {48, 200, 105, 25}},
  };
  for (const auto& [control, place] : places) {
    EXPECT_EQ(control->parentWidget(), d.client());
    EXPECT_EQ(control->geometry(), place);
  }
  // Each preview fills the inside of its frame.
  for (const auto& [preview, frame] : {std::pair{d.ColorSimonOutline, d.Picture1},
                                       std::pair{d.ColorSimonShirt, d.Picture2},
                                       std::pair{d.ColorSimonSkin, d.Picture3}}) {
    EXPECT_EQ(preview->parentWidget(), frame);
    EXPECT_EQ(preview->geometry(), QRect(2, 2, 25, 22));
  }

  EXPECT_EQ(d.Label4->Caption(), "Color Editor          in the works");
  // The hero keeps his design line and size, and stands where his head
  // hides no letter of the heading: between "Editor" and "in".
  EXPECT_EQ(d.Image1->geometry().size(), QSize(32, 59));
  EXPECT_EQ(d.Image1->y(), 8);
  const QFontMetricsF heading(d.Label4->font());
  const qreal editorEnds = d.Label4->x() + heading.horizontalAdvance("Color Editor");
  const qreal inStarts = d.Label4->x() + heading.horizontalAdvance("Color Editor          ");
  const QImage hero = d.Image1->Picture().toImage();
  for (int y = 0; y < d.Label4->height(); ++y) {
    for (int x = 0; x < hero.width(); ++x) {
      if (qAlpha(hero.pixel(x, y)) == 0) continue;
      EXPECT_GT(d.Image1->x() + x, editorEnds) << x << "," << y;
      EXPECT_LT(d.Image1->x() + x + 1, inStarts) << x << "," << y;
    }
  }
  EXPECT_EQ(d.Label1->Caption(), "Simon's Outline");
  EXPECT_EQ(d.Label2->Caption(), "Simon's Shirt / Energy Bar");
  EXPECT_EQ(d.Label3->Caption(), "Simon's Skin / Boots");
  EXPECT_EQ(d.cmdSave->text(), "SAVE");
  const std::vector<std::pair<rt::Label*, QColor>> colours{{d.Label4, QColor(0xFF, 0x80, 0x80)},
                                                           {d.Label1, QColor(0xFF, 0xFF, 0x80)},
                                                           {d.Label2, QColor(0xFF, 0xFF, 0x80)},
                                                           {d.Label3, QColor(0xFF, 0xFF, 0x00)}};
  for (const auto& [label, colour] : colours) {
    EXPECT_EQ(label->palette().color(QPalette::WindowText), colour);
    EXPECT_EQ(label->font().bold(), label == d.Label4);
  }
  for (rt::ScrollBar* bar : {d.ScrollSimonOutline, d.ScrollSimonShirt, d.ScrollSimonSkin}) {
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 33);
  }
  EXPECT_TRUE(d.Constant.Enabled());
  EXPECT_EQ(d.Constant.Interval(), 1);
}

TEST_F(FrmColorsTest, TheSwatchesAndTheHeroAreTheirOwnPictures) {
  const std::map<int, QRgb> some{{0, kSwatch0}, {1, kSwatch1}, {5, 0xAF0F2F},  {13, 0x000000},
                                 {16, 0xAFAFAF}, {17, kSwatch17}, {20, 0xD03FBF}, {32, 0xE0E7E0},
                                 {33, 0x5F9FFF}, {34, kSwatch17}, {38, kSwatch17}};
  useRom(romWith({}));
  ASSERT_EQ(dialog().Color.size(), 39u);
  for (const rt::PictureCell* swatch : dialog().Color) {
    EXPECT_TRUE(swatch->isHidden());
    EXPECT_EQ(swatch->Picture().size(), QSize(25, 22));
    EXPECT_TRUE(solidColour(swatch->Picture()));
  }
  for (const auto& [index, colour] : some) {
    EXPECT_EQ(solidColour(dialog().Color[index]->Picture()), colour) << "swatch " << index;
  }
  // The hero: 32 x 59 pixels in white, red-orange, black and transparent.
  const QImage hero = dialog().Image1->Picture().toImage();
  ASSERT_EQ(hero.size(), QSize(32, 59));
  QSet<QRgb> colours;
  for (int y = 0; y < hero.height(); ++y) {
    for (int x = 0; x < hero.width(); ++x) {
      colours.insert(qAlpha(hero.pixel(x, y)) == 0 ? 0 : hero.pixel(x, y));
    }
  }
  EXPECT_EQ(colours, (QSet<QRgb>{0, qRgb(255, 255, 255), qRgb(0xFF, 0x38, 0x00), qRgb(0, 0, 0)}));
}

TEST_F(FrmColorsTest, TheLoadSetsTheBarsAndTheFirstTickShowsTheirSwatches) {
  useRom(romWith({{kOutline, 5}, {kShirt, 20}, {kSkin, 33}}));
  EXPECT_EQ(bars(), (std::array<int, 3>{5, 20, 33}));
  EXPECT_EQ(previews(), (std::array<std::optional<QRgb>, 3>{kSwatch1, kSwatch1, kSwatch1}));
  dialog().Constant.tick();
  EXPECT_EQ(previews(), (std::array<std::optional<QRgb>, 3>{0xAF0F2F, 0xD03FBF, 0x5F9FFF}));
  // The preview shares the swatch's picture.
  EXPECT_EQ(dialog().ColorSimonShirt->Picture().cacheKey(),
            dialog().Color[20]->Picture().cacheKey());
  // The previews follow a moved bar only at the next tick.
  dialog().ScrollSimonSkin->setValue(17);
  EXPECT_EQ(previews()[2], 0x5F9FFF);
  dialog().Constant.tick();
  EXPECT_EQ(previews()[2], kSwatch17);
  EXPECT_TRUE(reports_.empty());
}

TEST_F(FrmColorsTest, ABytePastTheLastIndexShowsAsZeroAndSaveWritesZeroThere) {
  for (const int value : {34, 128, 255}) {
    SCOPED_TRACE(value);
    const auto outside = static_cast<std::uint8_t>(value);
    const QString path = romWith({{kOutline, outside}, {kShirt, 7}, {kSkin, outside}});
    useRom(path);
    EXPECT_EQ(bars(), (std::array<int, 3>{0, 7, 0}));
    dialog().Constant.tick();
    EXPECT_EQ(previews(), (std::array<std::optional<QRgb>, 3>{kSwatch0, 0x703F00, kSwatch0}));
    dialog().cmdSave->click();
    EXPECT_EQ(RomFiles::read(path), imageWith({{kOutline, 0}, {kShirt, 7}, {kSkin, 0}}));
    closeByFrame(dialog());
  }
  EXPECT_TRUE(reports_.empty());
}

TEST_F(FrmColorsTest, SaveWritesTheBarsEveryTimeAndTheNextLoadShowsThem) {
  const QString path = romWith({{kOutline, 5}, {kShirt, 20}, {kSkin, 33}});
  useRom(path);
  dialog().Show();
  dialog().ScrollSimonOutline->setValue(1);
  dialog().ScrollSimonShirt->setValue(16);
  dialog().cmdSave->click();
  const QByteArray saved = imageWith({{kOutline, 1}, {kShirt, 16}, {kSkin, 33}});
  EXPECT_EQ(RomFiles::read(path), saved);
  // Unchanged bars are written again and nothing else moves.
  dialog().cmdSave->click();
  EXPECT_EQ(RomFiles::read(path), saved);
  EXPECT_TRUE(dialog().isVisible());
  EXPECT_EQ(bars(), (std::array<int, 3>{1, 16, 33}));

  // Closed by its frame, the dialog goes; the next opening reads afresh.
  closeByFrame(dialog());
  EXPECT_FALSE(program().isLoaded<editors::frmColors>());
  files_.write("cv2.nes", imageWith({{kOutline, 1}, {kShirt, 16}, {kSkin, 2}}));
  EXPECT_EQ(bars(), (std::array<int, 3>{1, 16, 2}));
  EXPECT_TRUE(reports_.empty());
}

TEST_F(FrmColorsTest, AFailingImageIsReportedOnceAtEachAccessAndNoFileChanges) {
  expectFailuresChangeNothing(
      kSkin, [this]() -> QWidget& { return dialog(); }, [this] { expectDesignValues(); },
      [this] {
        dialog().ScrollSimonOutline->setValue(9);
        dialog().cmdSave->click();
      });
}
