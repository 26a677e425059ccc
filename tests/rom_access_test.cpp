#include "rom/rom_access.h"

#include "fixtures.h"

#include <QFileInfo>

using rom::RomAccess;

class RomAccessTest : public ProgramTest {};

TEST_F(RomAccessTest, TheFirstAccessReadsTheDesignLocationAndCreatesTheDialogHidden) {
  const QString onDesktop = files_.path("Desktop/castlevania2.nes");
  QDir().mkpath(files_.path("Desktop"));
  files_.write("Desktop/castlevania2.nes");
  {
    RomAccess rom(program(), "Reading failed.");
    ASSERT_TRUE(rom.OpenROM());
    EXPECT_EQ(rom.GetROMByte(1), 'N');
  }
  EXPECT_TRUE(program().isLoaded(program().frmDestination()));
  EXPECT_FALSE(program().frmDestination().isVisible());
  EXPECT_TRUE(reports_.empty());
  EXPECT_TRUE(QFileInfo::exists(onDesktop));
}

TEST_F(RomAccessTest, AFailureIsReportedOnceWithLocationFileAndReason) {
  useRom(files_.path("missing.nes"));
  RomAccess rom(program(), "The screen could not be loaded.");
  EXPECT_FALSE(rom.OpenROM());
  EXPECT_FALSE(rom.GetROMByte(1));
  EXPECT_FALSE(rom.PutROMByte(1, 0));
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].startsWith("The screen could not be loaded."));
  EXPECT_TRUE(reports_[0].contains(files_.path("missing.nes")));
  EXPECT_TRUE(reports_[0].contains("the file does not exist"));
  EXPECT_FALSE(QFileInfo::exists(files_.path("missing.nes")));
}

TEST_F(RomAccessTest, PositionsAreCheckedBeforeAnyByteIsTouched) {
  const QByteArray image = sample_rom::make();
  const QString path = files_.write("cv2.nes", image);
  useRom(path);
  RomAccess rom(program(), "Saving failed.");
  ASSERT_TRUE(rom.OpenROM());
  EXPECT_FALSE(rom.CheckPositions({5, image.size() + 1, 0}));
  EXPECT_FALSE(rom.PutROMByte(5, 0xEE));
  rom.CloseROM();
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].contains("position 262161 is past the end of the file"));
  EXPECT_EQ(RomFiles::read(path), image);
}

TEST_F(RomAccessTest, AnEmptyLocationFailsPlainly) {
  useRom(QString());
  RomAccess rom(program(), "Reading failed.");
  EXPECT_FALSE(rom.OpenROM());
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].contains("no ROM location is given"));
}

TEST_F(RomAccessTest, TypingChangesTheVeryNextAccess) {
  QByteArray other = sample_rom::make();
  other[0] = 'X';
  const QString first = files_.write("first.nes");
  const QString second = files_.write("second.nes", other);
  useRom(first);
  EXPECT_EQ(RomAccess(program(), "").OpenROM(), true);
  useRom(second);
  RomAccess rom(program(), "");
  ASSERT_TRUE(rom.OpenROM());
  EXPECT_EQ(rom.GetROMByte(1), 'X');
}
