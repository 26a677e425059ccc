// Failing system calls under every kind of ROM access: one report in the
// system's words, nothing else changed, and the next access works.
#include "main_window_fixture.h"

#include "editors/frm_colors.h"
#include "editors/frm_difficulty.h"

namespace {

using Call = FaultyCalls::Call;
constexpr qint64 kCell0 = 33960;  // map cell 0 of the start-up screen
using positions::kOutline;
const QString kUnchanged = QStringLiteral("Nothing in the file was changed.");

enum class Access { Load, Cell, Colours, Strength };

struct Fault {
  Call call;
  int nth;
  int error;
  Access access;
  const char* reason;
  int pwrites;  // the new bytes and those put back
};

}  // namespace

class Faults : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    settle();
    chooseBlock(0x21);
    program().frmColors();
    program().frmDifficulty();
    // A load that showed some cells would show this one.
    poke({{kCell0, 0x05}});
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

  void run(Access access) {
    editors::frmColors& colours = program().frmColors();
    switch (access) {
      case Access::Load: main().Command1->click(), main().LoadROM.tick(); break;
      case Access::Cell: main().B_Click(40), main().SaveToROM.tick(); break;
      case Access::Colours:
        colours.ScrollSimonOutline->setValue(10);
        colours.ScrollSimonShirt->setValue(11);
        colours.ScrollSimonSkin->setValue(12);
        colours.cmdSave->click();
        break;
      case Access::Strength:
        program().frmDifficulty().ScrollSimon->setValue(3);
        program().frmDifficulty().cmdSave->click();
        break;
    }
  }

  QByteArray image_;
  FaultyCalls::Counts seen_{};
};

TEST_F(Faults, OneScreenLoadIsOneOpenFstat56ReadsAndOneClose) {
  callsMade();
  run(Access::Load);
  EXPECT_EQ(callsMade(), (FaultyCalls::Counts{1, 1, 56, 0, 0, 1}));
  main().B_Click(0);
  EXPECT_EQ(callsMade(), (FaultyCalls::Counts{1, 1, 1, 1, 1, 1}));
}

TEST_F(Faults, EachFailureIsReportedOnceChangesNothingAndIsNotRetried) {
  const Fault faults[] = {
      {Call::Pread, 31, EIO, Access::Load, "reading position 33990 failed: Input/output error", 0},
      {Call::Pwrite, 2, EIO, Access::Colours,
       "writing position 117441 failed: Input/output error", 4},
      {Call::Pwrite, 2, ENOSPC, Access::Strength,
       "writing position 19459 failed: No space left on device", 4},
      {Call::Pwrite, 1, EDQUOT, Access::Cell,
       "writing position 34000 failed: Disk quota exceeded", 2},
      {Call::Pwrite, 1, EINTR, Access::Cell,
       "writing position 34000 failed: Interrupted system call", 2},
      {Call::Close, 1, EINTR, Access::Load, "closing the file failed: Interrupted system call", 0},
      // A count of nothing leaves no stale errno in the reason.
      {Call::Pread, 1, FaultyCalls::kNothing, Access::Load,
       "reading position 33960 met the end of the file", 0},
      {Call::Pwrite, 3, FaultyCalls::kNothing, Access::Colours,
       "writing position 117442 wrote nothing", 6},
      // The bytes written go back and are synced again.
      {Call::Fdatasync, 1, EIO, Access::Colours,
       "putting the bytes on the disk failed: Input/output error", 6},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.reason);
    const QImage shown = cellPicture(0);
    calls_->failNth(fault.call, fault.nth, fault.error);
    callsMade();
    run(fault.access);
    const FaultyCalls::Counts made = callsMade();
    EXPECT_EQ(made[Call::Pwrite], fault.pwrites);
    EXPECT_EQ(made[Call::Close], 1);
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_TRUE(reports_[0].contains(QStringLiteral("Reason: %1.").arg(fault.reason)));
    EXPECT_EQ(reports_[0].contains(kUnchanged), fault.access != Access::Load);
    EXPECT_EQ(RomFiles::read(rom_), image_);
    EXPECT_EQ(cellPicture(0), shown);

    calls_->heal();
    reports_.clear();
    main().B_Click(0);
    EXPECT_EQ(byteAt(kCell0), 0x21);
    EXPECT_TRUE(reports_.empty());
    files_.write("cv2.nes", image_);
  }
}

TEST_F(Faults, ABytePutBackThatFailsIsNamed) {
  // The second new byte fails, then putting back the first.
  calls_->failNth(Call::Pwrite, 2, ENOSPC);
  calls_->failNth(Call::Pwrite, 3, EIO);
  run(Access::Colours);
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].endsWith(
      QStringLiteral("These bytes could not be put back: position %1, which held %2 (writing "
                     "position %1 failed: Input/output error).")
          .arg(kOutline)
          .arg(static_cast<std::uint8_t>(image_[kOutline - 1]))));
  image_[kOutline - 1] = 10;
  EXPECT_EQ(RomFiles::read(rom_), image_);
}

TEST_F(Faults, ACloseThatFailsAfterTheSyncSaysTheBytesAreWritten) {
  calls_->failNth(Call::Close, 1, EIO);
  main().B_Click(0);
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].startsWith("The ROM image could not be closed after the write."));
  EXPECT_TRUE(reports_[0].endsWith("Reason: closing the file failed: Input/output error.\n"
                                   "The bytes are written and on the disk."));
  EXPECT_EQ(byteAt(kCell0), 0x21);
}
