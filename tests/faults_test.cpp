// Failing system calls under every kind of ROM access: one report in the
// system's words, nothing else changed, and the next access works.
#include "main_window_fixture.h"

#include "editors/frm_colors.h"
#include "editors/frm_difficulty.h"

namespace {

constexpr qint64 kCell0 = 33960;  // map cell 0 of the start-up screen
constexpr qint64 kOutline = 117440;
constexpr qint64 kShirt = 117441;
const QString kUnchanged = QStringLiteral("Nothing in the file was changed.");

}  // namespace

class Faults : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    settle();
    chooseBlock(0x21);
    image_ = RomFiles::read(rom_);
  }

  // Calls of each kind since the last look.
  FaultyCalls::Counts callsMade() {
    FaultyCalls::Counts made{};
    for (int call = 0; call < FaultyCalls::kCalls; ++call) {
      made[call] = calls_->counts()[call] - seen_[call];
    }
    seen_ = calls_->counts();
    return made;
  }

  void saveColours(int outline, int shirt, int skin) {
    frmColors& dialog = program().frmColors();
    dialog.ScrollSimonOutline->setValue(outline);
    dialog.ScrollSimonShirt->setValue(shirt);
    dialog.ScrollSimonSkin->setValue(skin);
    dialog.cmdSave->click();
  }

  // One report naming `reason` and `outcome`, and the file as it was; then
  // the calls work again and so does the next write.
  void expectOneReportAndNoChange(const QString& reason, const QString& outcome = kUnchanged) {
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_TRUE(reports_[0].contains("Reason: " + reason + '.')) << reports_[0].toStdString();
    EXPECT_TRUE(reports_[0].contains(outcome)) << reports_[0].toStdString();
    EXPECT_EQ(RomFiles::read(rom_), image_);
    calls_->heal();
    reports_.clear();
    main().B_Click(0);
    EXPECT_EQ(byteAt(kCell0), 0x21);
    EXPECT_TRUE(reports_.empty());
    files_.write("cv2.nes", image_);
    callsMade();
  }

  QByteArray image_;
  FaultyCalls::Counts seen_{};
};

TEST_F(Faults, OneScreenLoadIsOneOpenFstat56ReadsAndOneClose) {
  callsMade();
  main().Command1->click();
  main().LoadROM.tick();
  EXPECT_EQ(callsMade(), (FaultyCalls::Counts{1, 1, 56, 0, 0, 1}));
  main().B_Click(0);
  EXPECT_EQ(callsMade(), (FaultyCalls::Counts{1, 1, 1, 1, 1, 1}));
}

TEST_F(Faults, AnIoErrorAtAnyStepChangesNothing) {
  // Cell 0 would show another block, but the load fails at cell 30.
  const QImage shown = cellPicture(0);
  poke({{kCell0, static_cast<std::uint8_t>((byteAt(kCell0) + 1) % 0x40)}});
  image_ = RomFiles::read(rom_);
  calls_->failNth(FaultyCalls::Pread, 31, EIO);
  main().Command1->click();
  main().LoadROM.tick();
  EXPECT_EQ(cellPicture(0), shown);
  expectOneReportAndNoChange("reading position 33990 failed: Input/output error", "");

  // The second of three bytes: the first is put back.
  calls_->failNth(FaultyCalls::Pwrite, 2, EIO);
  saveColours(1, 2, 3);
  EXPECT_EQ(callsMade()[FaultyCalls::Pwrite], 2 + 2);
  expectOneReportAndNoChange("writing position 117441 failed: Input/output error");

  calls_->failNth(FaultyCalls::Fdatasync, 1, EIO);
  main().B_Click(0);
  expectOneReportAndNoChange("putting the bytes on the disk failed: Input/output error");
}

TEST_F(Faults, AFullDiskChangesNothing) {
  calls_->failNth(FaultyCalls::Pwrite, 2, ENOSPC);
  program().frmDifficulty().ScrollSimon->setValue(3);
  program().frmDifficulty().cmdSave->click();
  expectOneReportAndNoChange("writing position 19459 failed: No space left on device");

  calls_->failEvery(FaultyCalls::Pwrite, EDQUOT);
  main().B_Click(40);
  main().SaveToROM.tick();
  expectOneReportAndNoChange("writing position 34000 failed: Disk quota exceeded");
}

TEST_F(Faults, AnInterruptedCallFailsOnceAndIsNotRetried) {
  calls_->failNth(FaultyCalls::Pwrite, 1, EINTR);
  main().B_Click(0);
  EXPECT_EQ(callsMade()[FaultyCalls::Pwrite], 2);
  expectOneReportAndNoChange("writing position 33960 failed: Interrupted system call");

  calls_->failNth(FaultyCalls::Close, 1, EINTR);
  main().Command1->click();
  main().LoadROM.tick();
  EXPECT_EQ(callsMade()[FaultyCalls::Close], 1);
  expectOneReportAndNoChange("closing the file failed: Interrupted system call", "");
}

TEST_F(Faults, ShortCountsSayWhatHappenedNotAStaleError) {
  calls_->failNth(FaultyCalls::Pread, 1, FaultyCalls::kNothing);
  main().Command1->click();
  main().LoadROM.tick();
  expectOneReportAndNoChange("reading position 33960 met the end of the file", "");

  calls_->failNth(FaultyCalls::Pwrite, 3, FaultyCalls::kNothing);
  saveColours(4, 5, 6);
  expectOneReportAndNoChange("writing position 117442 wrote nothing");
}

TEST_F(Faults, AFailedSyncPutsTheOldBytesBackAndSyncsThemAgain) {
  calls_->failNth(FaultyCalls::Fdatasync, 1, EIO);
  saveColours(7, 8, 9);
  const FaultyCalls::Counts made = callsMade();
  EXPECT_EQ(made[FaultyCalls::Pwrite], 3 + 3);
  EXPECT_EQ(made[FaultyCalls::Fdatasync], 2);
  expectOneReportAndNoChange("putting the bytes on the disk failed: Input/output error");
}

TEST_F(Faults, ABytePutBackThatFailsIsNamed) {
  const auto outline = static_cast<std::uint8_t>(image_[kOutline - 1]);
  // The second new byte fails, then putting back the first.
  calls_->failNth(FaultyCalls::Pwrite, 2, ENOSPC);
  calls_->failNth(FaultyCalls::Pwrite, 3, EIO);
  saveColours(10, 11, 12);
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].contains(
      QStringLiteral("These bytes could not be put back: position %1, which held %2 (writing "
                     "position %1 failed: Input/output error).")
          .arg(kOutline)
          .arg(outline)));
  EXPECT_FALSE(reports_[0].contains(kUnchanged));
  EXPECT_EQ(byteAt(kOutline), 10);
  EXPECT_EQ(byteAt(kShirt), static_cast<std::uint8_t>(image_[kShirt - 1]));
}

TEST_F(Faults, AFailedCloseIsReportedAndSaysTheBytesAreWritten) {
  calls_->failNth(FaultyCalls::Close, 1, EIO);
  main().B_Click(0);
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].startsWith("The ROM image could not be closed after the write."));
  EXPECT_TRUE(reports_[0].contains("Reason: closing the file failed: Input/output error.\n"
                                   "The bytes are written and on the disk."));
  EXPECT_EQ(byteAt(kCell0), 0x21);
}
