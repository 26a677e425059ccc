#include "editors/frm_colors.h"

#include "assets/hero_picture.h"
#include "editors/byte_positions.h"
#include "rom/rom_access.h"
#include "rom/window_access.h"
#include "runtime/fonts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <utility>

namespace editors {

namespace {

const rt::WindowDesign kDesign{
    .caption = QStringLiteral("Change the Colors"),
    .clientWidth = 3285,
    .clientHeight = 3420,
    .left = 2190,
    .top = 2715,
    .border = rt::WindowBorder::Sizable,
    .background = QColor(0, 0, 0),
};

constexpr int kHighestIndex = static_cast<int>(assets::kNesColours.size()) - 1;

// A preview sits inside its frame's two-pixel edge.
constexpr int kFrameEdge = rt::twips(2);
constexpr int kSwatchWidth = rt::twips(assets::kSwatchWidth);
constexpr int kSwatchHeight = rt::twips(assets::kSwatchHeight);

const QColor kCaptionColour(0xFF, 0xFF, 0x80);

rt::ScrollBar* colourBar(QWidget* parent, int top) {
  return new rt::ScrollBar(parent, {120, top, 2535, 255}, 0, kHighestIndex, 0);
}

rt::PictureCell* frame(QWidget* parent, int top) {
  return new rt::PictureCell(parent, {2760, top, 440, 390}, QPixmap(),
                             rt::PictureCell::Border::Single);
}

rt::PictureCell* preview(rt::PictureCell* frame) {
  return new rt::PictureCell(frame, {kFrameEdge, kFrameEdge, kSwatchWidth, kSwatchHeight},
                             QPixmap());
}

rt::Label* caption(QWidget* parent, const rt::TwipsRect& place, const QString& text,
                   const QColor& colour) {
  auto* label = new rt::Label(parent, place, text);
  label->setTextFormat(Qt::PlainText);
  label->setTextColor(colour);
  return label;
}

std::array<rt::PictureCell*, assets::kSwatchCount> swatches(QWidget* parent) {
  std::array<rt::PictureCell*, assets::kSwatchCount> cells{};
  for (int i = 0; i < assets::kSwatchCount; ++i) {
    cells[i] = new rt::PictureCell(parent, {0, 0, kSwatchWidth, kSwatchHeight},
                                   QPixmap::fromImage(assets::colourSwatch(i)));
    cells[i]->hide();
  }
  return cells;
}

// The columns of the client area where the hero covers the heading's line,
// first and last.
std::pair<int, int> heroAcross(const QWidget& heading, const rt::PictureCell& hero) {
  const QImage picture = hero.Picture().toImage();
  const QRect line = heading.geometry().intersected(hero.geometry());
  int left = line.right() + 1;
  int right = line.left() - 1;
  for (int y = line.top(); y <= line.bottom(); ++y) {
    for (int x = line.left(); x <= line.right(); ++x) {
      if (qAlpha(picture.pixel(x - hero.x(), y - hero.y())) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  return {left, right};
}

// The hero stands in the gap of the heading's blanks. A substitute font
// narrows or shifts that gap, and the hero would hide a letter: then he
// moves along the line to the middle of the gap.
void standInHeadingGap(rt::PictureCell& hero, const rt::Label& heading) {
  constexpr qreal kClearance = 2;
  const QString text = heading.Caption();
  const qsizetype gapStart = text.indexOf(QLatin1String("  "));
  qsizetype gapEnd = gapStart;
  while (gapEnd < text.size() && text[gapEnd] == u' ') ++gapEnd;
  const QFontMetricsF metrics(heading.font());
  const qreal gapLeft = heading.x() + metrics.horizontalAdvance(text.left(gapStart));
  const qreal gapRight = heading.x() + metrics.horizontalAdvance(text.left(gapEnd));
  const auto [left, right] = heroAcross(heading, hero);
  if (left > right) return;
  if (left >= gapLeft + kClearance && right + 1 <= gapRight - kClearance) return;
  const qreal shift = (gapLeft + gapRight) / 2 - (left + right + 1) / 2.0;
  hero.move(hero.x() + qRound(shift), hero.y());
}

const QString kLoadFailed = QStringLiteral("The hero's colours could not be read from the ROM image.");
const QString kSaveFailed = QStringLiteral("The hero's colours could not be saved into the ROM image.");

}  // namespace

frmColorsControls::frmColorsControls(rt::Runtime& runtime)
    : rt::Window(runtime, kDesign),
      Label4(caption(client(), {120, 120, 2640, 195},
                     QStringLiteral("Color Editor          in the works"), QColor(0xFF, 0x80, 0x80))),
      Image1(new rt::PictureCell(client(), {1200, 120, 480, 885},
                                 QPixmap::fromImage(assets::heroPicture()))),
      Label1(caption(client(), {480, 1080, 1080, 195}, QStringLiteral("Simon's Outline"),
                     kCaptionColour)),
      ScrollSimonOutline(colourBar(client(), 1320)),
      Picture1(frame(client(), 1260)),
      ColorSimonOutline(preview(Picture1)),
      Label2(caption(client(), {360, 1680, 1845, 195}, QStringLiteral("Simon's Shirt / Energy Bar"),
                     kCaptionColour)),
      ScrollSimonShirt(colourBar(client(), 1920)),
      Picture2(frame(client(), 1850)),
      ColorSimonShirt(preview(Picture2)),
      Label3(caption(client(), {720, 2280, 1470, 195}, QStringLiteral("Simon's Skin / Boots"),
                     QColor(0xFF, 0xFF, 0x00))),
      ScrollSimonSkin(colourBar(client(), 2520)),
      Picture3(frame(client(), 2460)),
      ColorSimonSkin(preview(Picture3)),
      cmdSave(new rt::CommandButton(client(), {720, 3000, 1575, 375}, QStringLiteral("SAVE"))),
      Constant(runtime.timers, 1, true),
      Color(swatches(client())) {
  Label4->setFont(rt::designFont(8.25, true));
  // The hero stands in front of the heading, in the gap of its blanks.
  Image1->raise();
  standInHeadingGap(*Image1, *Label4);
  // Swatch 1 until the first tick.
  for (rt::PictureCell* shown : {ColorSimonOutline, ColorSimonShirt, ColorSimonSkin}) {
    shown->setPicture(Color[1]->Picture());
  }
}

frmColors::frmColors(rom::WindowAccess& windows)
    : frmColorsControls(windows.runtime()), windows_(windows) {
  Constant.onPoll([this] { return Constant_Timer(); });
  cmdSave->onClick([this] { cmdSave_Click(); });
}

void frmColors::Form_Load() {
  constexpr std::array<qint64, 3> kPositions{kOutlinePosition, kShirtPosition, kSkinPosition};
  const auto bytes = rom::readROM(windows_, kLoadFailed, kPositions);
  // A failed read is reported; the bars keep their design values.
  if (!bytes) return;
  LoadedOutline = (*bytes)[0];
  LoadedShirt = (*bytes)[1];
  LoadedSkin = (*bytes)[2];
  const std::array<std::pair<rt::ScrollBar*, std::uint8_t>, 3> bars{{
      {ScrollSimonOutline, LoadedOutline},
      {ScrollSimonShirt, LoadedShirt},
      {ScrollSimonSkin, LoadedSkin},
  }};
  for (const auto& [bar, byte] : bars) {
    // A byte past the last colour index leaves the bar at 0.
    if (byte <= kHighestIndex) bar->setValue(byte);
  }
}

bool frmColors::Constant_Timer() {
  bool changed = ColorSimonOutline->setPicture(Color[ScrollSimonOutline->Value()]->Picture());
  changed |= ColorSimonShirt->setPicture(Color[ScrollSimonShirt->Value()]->Picture());
  changed |= ColorSimonSkin->setPicture(Color[ScrollSimonSkin->Value()]->Picture());
  return changed;
}

void frmColors::cmdSave_Click() {
  SavedOutline = static_cast<std::uint8_t>(ScrollSimonOutline->Value());
  SavedShirt = static_cast<std::uint8_t>(ScrollSimonShirt->Value());
  SavedSkin = static_cast<std::uint8_t>(ScrollSimonSkin->Value());
  const std::array<rom::RomByte, 3> bytes{{
      {kOutlinePosition, SavedOutline},
      {kShirtPosition, SavedShirt},
      {kSkinPosition, SavedSkin},
  }};
  rom::writeROM(windows_, kSaveFailed, bytes);
}

}  // namespace editors
