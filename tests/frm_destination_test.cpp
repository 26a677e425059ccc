#include "rom/frm_destination.h"

#include "fixtures.h"

#include <QDir>
#include <QTest>

class FrmDestinationTest : public ProgramTest {
 protected:
  rom::frmDestination& dialog() { return program().frmDestination(); }

  void clickFile(const QString& name) {
    const auto items = dialog().File1->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    QListWidgetItem* item = items.front();
    QTest::mouseClick(dialog().File1->viewport(), Qt::LeftButton, {},
                      dialog().File1->visualItemRect(item).center());
  }
};

TEST_F(FrmDestinationTest, DesignValues) {
  EXPECT_EQ(dialog().windowTitle(), "Enter ROM's Location");
  EXPECT_EQ(dialog().client()->size(), QSize(273, 252));
  EXPECT_EQ(dialog().Destination->Text(), "C:\\windows\\desktop\\castlevania2.nes");
  // The design's places in pixels, 15 twips to a pixel.
  const std::vector<std::pair<QWidget*, QRect>> places{
      {dialog().Destination, {8, 8, 257, 19}}, {dialog().Dir1, {8, 32, 257, 111}},
      {dialog().File1, {8, 147, 257, 58}},     {dialog().Drive1, {8, 200, 137, 21}},
      {dialog().Command1, {144, 200, 121, 25}}, {dialog().Label1, {8, 227, 62, 16}},
      {dialog().Label2, {72, 229, 182, 13}},   {dialog().Destin, {8, 224, 153, 19}},
      {dialog().FileName, {160, 224, 105, 19}}};
  for (const auto& [control, place] : places) EXPECT_EQ(control->geometry(), place);
  EXPECT_EQ(dialog().Label1->Caption(), "Warning:");
  EXPECT_TRUE(dialog().Label1->font().bold());
  EXPECT_EQ(dialog().Label2->Caption(), "The editor SAVES as it edits the ROM.");
  EXPECT_FALSE(dialog().Drive1->isEnabled());
  EXPECT_TRUE(dialog().Destin->isHidden());
  EXPECT_TRUE(dialog().FileName->isHidden());
  EXPECT_TRUE(dialog().Timer1.Enabled());
  EXPECT_EQ(dialog().Timer1.Interval(), 1);
  EXPECT_EQ(dialog().File1->Pattern(), "*.NES");
  EXPECT_EQ(dialog().Destination->nextInFocusChain(), dialog().Command1);
}

TEST_F(FrmDestinationTest, TheFolderListOpensAtTheWorkingDirectoryWithoutADesktop) {
  EXPECT_EQ(dialog().Dir1->Path(), QDir::currentPath());
}

TEST_F(FrmDestinationTest, TheFolderListOpensAtTheDesktopWhenThereIsOne) {
  ASSERT_TRUE(QDir().mkpath(files_.path("Desktop")));
  EXPECT_EQ(dialog().Dir1->Path(), files_.path("Desktop"));
}

TEST_F(FrmDestinationTest, ATickListsTheFolderAndAFileClickSetsTheLocation) {
  files_.write("castlevania2.nes");
  files_.write("other.NES");
  files_.write("notes.txt", "x");
  dialog().Dir1->setPath(files_.folder());
  dialog().Timer1.tick();
  EXPECT_EQ(dialog().File1->Path(), files_.folder());
  ASSERT_EQ(dialog().File1->count(), 2);
  EXPECT_EQ(dialog().File1->item(0)->text(), "castlevania2.nes");
  clickFile("other.NES");
  EXPECT_EQ(dialog().Destination->Text(), files_.folder() + "\\other.NES");
  EXPECT_EQ(dialog().FileName->Text(), "other.NES");
  EXPECT_EQ(dialog().Destin->Text(), files_.folder());
}

TEST_F(FrmDestinationTest, ARootFolderGivesTwoSeparatorsInARow) {
  dialog().Dir1->setPath("/");
  dialog().Timer1.tick();
  dialog().File1->addItem("cv2.nes");
  dialog().File1->setCurrentRow(0);
  dialog().File1_Click();
  EXPECT_EQ(dialog().Destination->Text(), "/\\cv2.nes");
}

TEST_F(FrmDestinationTest, OkHidesTheDialogAndShowsTheMainWindow) {
  dialog().Show();
  dialog().Command1->click();
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_TRUE(program().frmMain().isVisible());
  EXPECT_TRUE(reports_.empty());
}

TEST_F(FrmDestinationTest, ClosingByTheFrameKeepsTheLocation) {
  dialog().Show();
  dialog().Destination->setText("D:\\roms\\cv2.nes");
  dialog().close();
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(program().frmDestination().Destination->Text(), "D:\\roms\\cv2.nes");
}

TEST_F(FrmDestinationTest, AFileWhoseNameHoldsABackslashIsRefused) {
  // "a\x.nes" beside a folder "a" that holds "x.nes".
  QDir(files_.folder()).mkdir("a");
  files_.write("a/x.nes");
  files_.write("a\\x.nes");
  dialog().Dir1->setPath(files_.folder());
  dialog().Timer1.tick();
  const QString location = dialog().Destination->Text();
  clickFile("a\\x.nes");
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].contains(files_.path("a\\x.nes")));
  EXPECT_EQ(dialog().Destination->Text(), location);
  EXPECT_EQ(dialog().Destin->Text(), "");
  EXPECT_EQ(dialog().FileName->Text(), "");
}
