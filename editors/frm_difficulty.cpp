#include "editors/frm_difficulty.h"

#include "editors/byte_positions.h"
#include "editors/strength_levels.h"
#include "rom/rom_access.h"
#include "rom/window_access.h"

#include <array>

namespace editors {

namespace {

const rt::WindowDesign kDesign{
    .caption = QStringLiteral("Difficulty"),
    .clientWidth = 1935,
    .clientHeight = 2730,
    .left = 2835,
    .top = 3180,
    .border = rt::WindowBorder::Sizable,
    .background = QColor(0x40, 0x40, 0x40),
};

const QString kLoadFailed = QStringLiteral("The strength levels could not be read from the ROM image.");
const QString kSaveFailed = QStringLiteral("The strength levels could not be saved into the ROM image.");

rt::Label* heading(QWidget* parent, const rt::TwipsRect& place, const QString& text) {
  auto* label = new rt::Label(parent, place, text);
  label->setTextColor(Qt::white);
  return label;
}

rt::Label* levelCaption(QWidget* parent, int top) {
  auto* label = new rt::Label(parent, {120, top, 1695, 255}, QString());
  label->setFrameStyle(QFrame::Box | QFrame::Plain);
  label->setLineWidth(1);
  label->setAlignment(Qt::AlignCenter);
  // On the face colour of the system, so that the caption reads on the dark
  // window.
  rt::fillBackground(*label, label->palette().color(QPalette::Button));
  return label;
}

rt::ScrollBar* levelBar(QWidget* parent, int top) {
  return new rt::ScrollBar(parent, {120, top, 1695, 255}, strength::kLowest, strength::kHighest,
                           strength::kLowest);
}

}  // namespace

frmDifficultyControls::frmDifficultyControls(rt::Runtime& runtime)
    : rt::Window(runtime, kDesign),
      Label2(heading(client(), {360, 120, 1185, 195}, QStringLiteral("Simon's Strength"))),
      ScrollSimon(levelBar(client(), 360)),
      lblSimon(levelCaption(client(), 600)),
      Label1(heading(client(), {240, 1080, 1365, 195}, QStringLiteral("Monsters' Strength:"))),
      ScrollEnemy(levelBar(client(), 1320)),
      lblEnemy(levelCaption(client(), 1560)),
      cmdSave(new rt::CommandButton(client(), {120, 2280, 1695, 375}, QStringLiteral("SAVE"))),
      Constant(runtime.timers, 1, true) {}

frmDifficulty::frmDifficulty(rom::WindowAccess& windows)
    : frmDifficultyControls(windows.runtime()), windows_(windows) {
  Constant.onPoll([this] { return Constant_Timer(); });
  cmdSave->onClick([this] { cmdSave_Click(); });
}

void frmDifficulty::Form_Load() {
  constexpr std::array<qint64, 2> kPositions{kEnemyPosition, kSimonPosition};
  const auto bytes = rom::readROM(windows_, kLoadFailed, kPositions);
  // A failed read is reported; the bars keep their design values.
  if (!bytes) return;
  LoadedEnemy = (*bytes)[0];
  LoadedSimon = (*bytes)[1];
  // A byte outside the level table leaves its bar at level 1.
  if (const auto level = strength::enemyLevelOf(LoadedEnemy)) ScrollEnemy->setValue(*level);
  if (const auto level = strength::simonLevelOf(LoadedSimon)) ScrollSimon->setValue(*level);
}

bool frmDifficulty::Constant_Timer() {
  const strength::Level& simon = strength::row(ScrollSimon->Value());
  const strength::Level& enemy = strength::row(ScrollEnemy->Value());
  bool changed = lblSimon->setCaption(QLatin1String(simon.simonCaption));
  changed |= lblEnemy->setCaption(QLatin1String(enemy.enemyCaption));
  return changed;
}

void frmDifficulty::cmdSave_Click() {
  SavedEnemy = strength::row(ScrollEnemy->Value()).enemyByte;
  SavedSimon = strength::row(ScrollSimon->Value()).simonByte;
  const std::array<rom::RomByte, 2> bytes{{
      {kEnemyPosition, SavedEnemy},
      {kSimonPosition, SavedSimon},
  }};
  rom::writeROM(windows_, kSaveFailed, bytes);
}

}  // namespace editors
