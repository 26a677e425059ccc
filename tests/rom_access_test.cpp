#include "rom/rom_access.h"

#include "fixtures.h"

#include <QFileInfo>

using rom::readROM;
using rom::RomByte;
using rom::writeROM;

class RomAccessTest : public ProgramTest {
 protected:
  std::optional<std::vector<std::uint8_t>> read(std::initializer_list<qint64> positions) {
    return readROM(program(), "Reading failed.", std::vector<qint64>(positions));
  }
  bool write(std::initializer_list<RomByte> bytes) {
    return writeROM(program(), "Saving failed.", std::vector<RomByte>(bytes));
  }
};

TEST_F(RomAccessTest, TheFirstAccessReadsTheDesignLocationAndCreatesTheDialogHidden) {
  QDir().mkpath(files_.path("Desktop"));
  files_.write("Desktop/castlevania2.nes");
  EXPECT_EQ(read({1, 2}), (std::vector<std::uint8_t>{'N', 'E'}));
  EXPECT_TRUE(program().isLoaded<rom::frmDestination>());
  EXPECT_FALSE(program().frmDestination().isVisible());
  EXPECT_TRUE(reports_.empty());
}

TEST_F(RomAccessTest, AFailureIsReportedOnceWithLocationAbsoluteFileAndReason) {
  const struct {
    QString location, file, reason;
  } cases[] = {
      {files_.path("missing.nes"), files_.path("missing.nes"),
       "opening the file failed: No such file or directory"},
      {"missing.nes", QDir::current().absoluteFilePath("missing.nes"),
       "opening the file failed: No such file or directory"},
      {"  ", "(none)", "no ROM location is given"}};
  for (const auto& [location, file, reason] : cases) {
    reports_.clear();
    useRom(location);
    EXPECT_FALSE(write({{1, 0}}));
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], QStringLiteral("Saving failed.\n\nROM location: \"%1\"\nFile: %2\n"
                                          "Reason: %3.\nNothing in the file was changed.")
                               .arg(location, file, reason));
  }
  EXPECT_FALSE(QFileInfo::exists(files_.path("missing.nes")));
}

TEST_F(RomAccessTest, EveryPositionIsCheckedBeforeAnyByteIsTouched) {
  const QByteArray image = sample_rom::make();
  useRom(files_.write("cv2.nes", image));
  const FaultyCalls::Counts before = calls_->counts();
  EXPECT_FALSE(write({{5, 0xEE}, {image.size() + 1, 0}, {0, 0}}));
  EXPECT_FALSE(read({5, 0}));
  ASSERT_EQ(reports_.size(), 2u);
  EXPECT_TRUE(reports_[0].contains("position 262161 is past the end of the file"));
  EXPECT_TRUE(reports_[1].contains("position 0 is before the start of the file"));
  EXPECT_EQ(RomFiles::read(files_.path("cv2.nes")), image);
  EXPECT_EQ(calls_->counts()[FaultyCalls::Pread], before[FaultyCalls::Pread]);
  EXPECT_EQ(calls_->counts()[FaultyCalls::Pwrite], before[FaultyCalls::Pwrite]);
}

TEST_F(RomAccessTest, TypingChangesTheVeryNextAccess) {
  QByteArray other = sample_rom::make();
  other[0] = 'X';
  useRom(files_.write("first.nes"));
  EXPECT_EQ(read({1}), std::vector<std::uint8_t>{'N'});
  useRom(files_.write("second.nes", other));
  EXPECT_EQ(read({1}), std::vector<std::uint8_t>{'X'});
}
