#include "rom/host_path.h"

#include <QDir>

#include <gtest/gtest.h>

using rom::hostPath;

namespace {
const QString kDesktop = QStringLiteral("/home/ann/Desktop");
}

TEST(HostPath, TheDesignLocationNamesTheFileOnTheDesktop) {
  EXPECT_EQ(hostPath("C:\\windows\\desktop\\castlevania2.nes", kDesktop),
            "/home/ann/Desktop/castlevania2.nes");
  EXPECT_EQ(hostPath("c:\\WINDOWS\\Desktop\\", kDesktop), kDesktop);
}

TEST(HostPath, ADriveLetterStandsForTheRootFolder) {
  EXPECT_EQ(hostPath("D:\\roms\\cv2.nes", kDesktop), "/roms/cv2.nes");
  EXPECT_EQ(hostPath("e:/roms/cv2.NES", kDesktop), "/roms/cv2.NES");
  EXPECT_EQ(hostPath("C:\\windows\\system\\cv2.nes", kDesktop), "/windows/system/cv2.nes");
  EXPECT_EQ(hostPath("C:\\", kDesktop), "/");
}

TEST(HostPath, AHostFolderJoinedWithABackslashNamesItsFile) {
  EXPECT_EQ(hostPath("/home/ann/roms\\cv2.nes", kDesktop), "/home/ann/roms/cv2.nes");
  // A root folder gives two separators in a row.
  EXPECT_EQ(hostPath("/\\cv2.nes", kDesktop), "/cv2.nes");
  // A relative one is taken from the working folder.
  EXPECT_EQ(hostPath("roms\\cv2.nes", kDesktop), QDir::current().filePath("roms/cv2.nes"));
}

TEST(HostPath, AnEmptyLocationNamesNothing) {
  EXPECT_EQ(hostPath("", kDesktop), "");
  EXPECT_EQ(hostPath("   ", kDesktop), "");
}
