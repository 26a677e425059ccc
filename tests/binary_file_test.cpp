#include "runtime/binary_file.h"

#include "fixtures.h"

#include <QDir>
#include <QFileInfo>

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
  rt::BinaryFile file_;
  QString reason_;
};

TEST_F(BinaryFileTest, PositionIsFileOffsetPlusOne) {
  const QString path = files_.write("a.nes", counting(10));
  ASSERT_FALSE(file_.open(path));
  EXPECT_EQ(file_.size(), 10);
  EXPECT_EQ(file_.readByte(1, reason_), 1);
  EXPECT_EQ(file_.readByte(10, reason_), 28);
  ASSERT_TRUE(file_.writeByte(4, 0xAB, reason_));
  // One open serves many reads and writes.
  EXPECT_EQ(file_.readByte(4, reason_), 0xAB);
  file_.close();
  QByteArray expected = counting(10);
  expected[3] = static_cast<char>(0xAB);
  EXPECT_EQ(RomFiles::read(path), expected);
}

TEST_F(BinaryFileTest, PositionsOutsideTheFileAreRefusedAndChangeNothing) {
  const QString path = files_.write("a.nes", counting(10));
  ASSERT_FALSE(file_.open(path));
  for (const qint64 position : {0LL, -1LL, 11LL, 1000000LL}) {
    EXPECT_FALSE(file_.readByte(position, reason_)) << position;
    EXPECT_FALSE(file_.writeByte(position, 7, reason_)) << position;
    EXPECT_FALSE(reason_.isEmpty());
  }
  EXPECT_EQ(file_.checkPosition(0), "position 0 is before the start of the file");
  EXPECT_EQ(file_.checkPosition(11), "position 11 is past the end of the file (10 bytes long)");
  file_.close();
  EXPECT_EQ(RomFiles::read(path), counting(10));
}

TEST_F(BinaryFileTest, OpenFailsWithAReasonAndCreatesNothing) {
  const QString missing = files_.path("missing.nes");
  EXPECT_EQ(file_.open(missing), "the file does not exist");
  EXPECT_FALSE(QFileInfo::exists(missing));

  EXPECT_EQ(file_.open(files_.folder()), "it is a folder, not a file");
  EXPECT_EQ(file_.open(QString()), "no file is named");
  EXPECT_TRUE(file_.open(files_.path("nofolder/x.nes")));
  EXPECT_FALSE(QFileInfo::exists(files_.path("nofolder")));

  const QString readOnly = files_.write("ro.nes", counting(4));
  RomFiles::makeReadOnly(readOnly);
  EXPECT_EQ(file_.open(readOnly), "the file is read-only");
  EXPECT_EQ(RomFiles::read(readOnly), counting(4));
}
