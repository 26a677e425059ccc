#include "editors/frm_difficulty.h"

#include "byte_dialog_fixture.h"

using positions::kEnemy;
using positions::kSimon;

class FrmDifficultyTest : public ByteDialogTest {
 protected:
  editors::frmDifficulty& dialog() { return program().frmDifficulty(); }

  // The hero's level and caption, then the monsters'.
  struct Shown {
    int simon;
    QString simonCaption;
    int enemy;
    QString enemyCaption;
    bool operator==(const Shown&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Shown& s) {
      return out << s.simon << " \"" << s.simonCaption.toStdString() << "\", " << s.enemy
                 << " \"" << s.enemyCaption.toStdString() << '"';
    }
  };

  Shown shown() {
    return {dialog().ScrollSimon->Value(), dialog().lblSimon->Caption(),
            dialog().ScrollEnemy->Value(), dialog().lblEnemy->Caption()};
  }
};

TEST_F(FrmDifficultyTest, TheWindowAndItsControlsStandAtTheirDesignPlaces) {
  useRom(romWith({}));
  editors::frmDifficulty& d = dialog();
  EXPECT_EQ(d.windowTitle(), "Difficulty");
  EXPECT_EQ(d.client()->size(), QSize(129, 182));
  EXPECT_EQ(d.pos(), QPoint(189, 212));
  EXPECT_EQ(d.client()->palette().color(QPalette::Window), QColor(0x40, 0x40, 0x40));
  // The design's places in pixels, 15 twips to a pixel.
  const std::vector<std::pair<QWidget*, QRect>> places{
      {d.Label2, {24, 8, 79, 13}},      {d.ScrollSimon, {8, 24, 113, 17}},
      {d.lblSimon, {8, 40, 113, 17}},   {d.Label1, {16, 72, 91, 13}},
      {d.ScrollEnemy, {8, 88, 113, 17}}, {d.lblEnemy, {8, 104, 113, 17}},
      {d.cmdSave, {8, 152, 113, 25}},
  };
  for (const auto& [control, place] : places) {
    EXPECT_EQ(control->geometry(), place);
  }
  EXPECT_EQ(d.Label2->Caption(), "Simon's Strength");
  EXPECT_EQ(d.Label1->Caption(), "Monsters' Strength:");
  for (rt::Label* label : {d.Label1, d.Label2}) {
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
  }
  for (rt::Label* level : {d.lblSimon, d.lblEnemy}) {
    EXPECT_EQ(level->frameShape(), QFrame::Box);
    EXPECT_EQ(level->lineWidth(), 1);
    EXPECT_EQ(level->alignment(), Qt::AlignCenter);
  }
  for (rt::ScrollBar* bar : {d.ScrollSimon, d.ScrollEnemy}) {
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 4);
  }
  EXPECT_EQ(d.cmdSave->text(), "SAVE");
  EXPECT_TRUE(d.Constant.Enabled());
  EXPECT_EQ(d.Constant.Interval(), 1);
}

TEST_F(FrmDifficultyTest, TheLoadTurnsEachByteIntoItsLevelAndTheTickNamesIt) {
  struct Case {
    std::uint8_t simonByte;
    std::uint8_t enemyByte;
    Shown shown;
  };
  const std::vector<Case> cases{
      {0, 0, {4, "God", 4, "Super Tough"}},
      {139, 1, {3, "?Default?", 3, "?Default?"}},
      {155, 4, {2, "Weak", 2, "Weak"}},
      // Outside the table: level 1.
      {100, 2, {1, "Super Weak", 1, "Super Weak"}},
      // Each byte is looked up in its own column.
      {0, 139, {4, "God", 1, "Super Weak"}},
      {1, 0, {1, "Super Weak", 4, "Super Tough"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.simonByte) << ", " << int(c.enemyByte));
    useRom(romWith({{kSimon, c.simonByte}, {kEnemy, c.enemyByte}}));
    // The captions are empty until the first tick.
    EXPECT_EQ(shown(), (Shown{c.shown.simon, "", c.shown.enemy, ""}));
    dialog().Constant.tick();
    EXPECT_EQ(shown(), c.shown);
    closeByFrame(dialog());
  }
  EXPECT_TRUE(reports_.empty());
}

TEST_F(FrmDifficultyTest, SaveWritesBothBytesOfTheLevelsShownAndTheNextOpeningReadsThem) {
  const QString path = romWith({{kSimon, 100}, {kEnemy, 2}});
  useRom(path);
  dialog().Show();
  dialog().cmdSave->click();
  EXPECT_EQ(RomFiles::read(path), imageWith({{kSimon, 255}, {kEnemy, 8}}));
  for (const auto& [level, simonByte, enemyByte] : {std::tuple{3, 139, 1}, std::tuple{4, 0, 0},
                                                    std::tuple{2, 155, 4}}) {
    dialog().ScrollSimon->setValue(level);
    dialog().ScrollEnemy->setValue(level);
    // Twice: the same bytes again and nothing else.
    for (int click = 0; click < 2; ++click) dialog().cmdSave->click();
    EXPECT_EQ(RomFiles::read(path),
              imageWith({{kSimon, std::uint8_t(simonByte)}, {kEnemy, std::uint8_t(enemyByte)}}))
        << "level " << level;
  }
  EXPECT_TRUE(dialog().isVisible());

  closeByFrame(dialog());
  EXPECT_FALSE(program().isLoaded<editors::frmDifficulty>());
  EXPECT_EQ(shown(), (Shown{2, "", 2, ""}));
  EXPECT_TRUE(reports_.empty());
}

TEST_F(FrmDifficultyTest, SaveWritesIntoTheImageNamedAtTheClick) {
  const QString first = romWith({{kSimon, 139}, {kEnemy, 1}}, "first.nes");
  const QString second = romWith({{kSimon, 0}, {kEnemy, 0}}, "second.nes");
  useRom(first);
  dialog().Show();
  dialog().ScrollSimon->setValue(2);
  useRom(second);
  dialog().cmdSave->click();
  EXPECT_EQ(RomFiles::read(second), imageWith({{kSimon, 155}, {kEnemy, 1}}));
  EXPECT_EQ(RomFiles::read(first), imageWith({{kSimon, 139}, {kEnemy, 1}}));
  EXPECT_TRUE(reports_.empty());
}

TEST_F(FrmDifficultyTest, AFailingImageIsReportedOnceAtEachAccessAndNoFileChanges) {
  expectFailuresChangeNothing(
      kSimon, [this]() -> QWidget& { return dialog(); },
      [this] { EXPECT_EQ(shown(), (Shown{1, "", 1, ""})); },
      [this] {
        dialog().ScrollEnemy->setValue(4);
        dialog().cmdSave->click();
      });
}
