#include "runtime/binary_file.h"

#include "fixtures.h"

#include <QFileInfo>

#include <sys/stat.h>

namespace {

QByteArray counting(int size) {
  QByteArray bytes(size, '\0');
  for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 3 + 1);
  return bytes;
}

}  // namespace

class BinaryFileTest : public ::testing::Test {
 protected:
  RomFiles files_;
  FaultyCalls calls_;
  rt::BinaryFile file_{calls_};
  std::uint8_t byte_ = 0;
};

TEST_F(BinaryFileTest, PositionIsFileOffsetPlusOne) {
  const QString path = files_.write("a.nes", counting(10));
  ASSERT_FALSE(file_.open(path));
  EXPECT_EQ(file_.size(), 10);
  EXPECT_FALSE(file_.readByte(10, byte_));
  EXPECT_EQ(byte_, 28);
  ASSERT_FALSE(file_.writeByte(4, 0xAB));
  // One open serves many reads and writes.
  EXPECT_FALSE(file_.readByte(4, byte_));
  EXPECT_EQ(byte_, 0xAB);
  EXPECT_FALSE(file_.sync());
  EXPECT_FALSE(file_.close());
  QByteArray expected = counting(10);
  expected[3] = static_cast<char>(0xAB);
  EXPECT_EQ(RomFiles::read(path), expected);
}

TEST_F(BinaryFileTest, PositionsOutsideTheFileAreRefusedAndChangeNothing) {
  const QString path = files_.write("a.nes", counting(10));
  ASSERT_FALSE(file_.open(path));
  for (const qint64 position : {0LL, -1LL, 11LL, 1000000LL}) {
    EXPECT_TRUE(file_.readByte(position, byte_)) << position;
    EXPECT_TRUE(file_.writeByte(position, 7)) << position;
  }
  EXPECT_EQ(file_.checkPosition(0), "position 0 is before the start of the file");
  EXPECT_EQ(file_.checkPosition(11), "position 11 is past the end of the file (10 bytes long)");
  EXPECT_EQ(calls_.counts()[FaultyCalls::Pread] + calls_.counts()[FaultyCalls::Pwrite], 0);
  EXPECT_FALSE(file_.close());
  EXPECT_EQ(RomFiles::read(path), counting(10));
}

TEST_F(BinaryFileTest, AnOpenThatFailsSaysWhyInTheSystemsWordsAndCreatesNothing) {
  const QString loop = files_.path("loop.nes");
  ASSERT_TRUE(QFile::link(loop, loop));
  const QString fifo = files_.path("fifo.nes");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);
  const QString readOnly = files_.write("ro.nes", counting(4));
  RomFiles::makeReadOnly(readOnly);
  const std::vector<std::pair<QString, QString>> cases{
      {files_.path("missing.nes"), "opening the file failed: No such file or directory"},
      {files_.path("nofolder/x.nes"), "opening the file failed: No such file or directory"},
      {files_.folder(), "opening the file failed: Is a directory"},
      {loop, "opening the file failed: Too many levels of symbolic links"},
      {files_.path(QString(300, 'n')), "opening the file failed: File name too long"},
      {fifo, "it is not a regular file"},
      {readOnly, "the file is read-only"},
      {QString(), "no file is named"}};
  for (const auto& [path, reason] : cases) {
    rt::BinaryFile file(calls_);
    EXPECT_EQ(file.open(path), reason);
    EXPECT_FALSE(file.close());
  }
  // A failed fstat is no file of 0 bytes.
  const QString path = files_.write("a.nes", counting(4));
  calls_.failNth(FaultyCalls::Fstat, 1, EIO);
  EXPECT_EQ(file_.open(path), "examining the open file failed: Input/output error");
  EXPECT_FALSE(file_.close());
  // Each file that opened is closed: the FIFO, the read-only one, the last.
  EXPECT_EQ(calls_.counts()[FaultyCalls::Close], 3);
  EXPECT_FALSE(QFileInfo::exists(files_.path("missing.nes")));
  EXPECT_FALSE(QFileInfo::exists(files_.path("nofolder")));
  EXPECT_EQ(RomFiles::read(readOnly), counting(4));
}
