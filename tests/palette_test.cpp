#include "main_window_fixture.h"

#include "palette/bank_windows.h"
#include "palette/picture_set_loads.h"

#include <QTest>

#include <map>

using Palette = MainWindowTest;

TEST_F(Palette, TheWindowHasItsDesignLook) {
  EXPECT_EQ(palette().windowTitle(), "Rivaru Daro");
  EXPECT_TRUE(palette().windowFlags() & Qt::Tool);
  EXPECT_EQ(palette().client()->size(), QSize(379, 337));
  EXPECT_EQ(palette().geometry().topLeft(), QPoint(401, 155));
  EXPECT_EQ(palette().G[0x00]->geometry(), QRect(8, 8, 32, 32));
  EXPECT_EQ(palette().G[0x07]->geometry(), QRect(8, 288, 32, 32));
  EXPECT_EQ(palette().G[0x08]->geometry(), QRect(48, 8, 32, 32));
  EXPECT_EQ(palette().G[0x3F]->geometry(), QRect(288, 288, 32, 32));
  EXPECT_EQ(palette().G[0x44]->geometry(), QRect(328, 168, 32, 32));
  EXPECT_EQ(palette().G[0x0A]->objectName(), "G0A");
  EXPECT_TRUE(palette().GLET->isHidden());
  EXPECT_EQ(palette().GLET->Value(), 1);
}

TEST_F(Palette, StartPicturesAreTheTownSetWithG44ShowingG43) {
  const QImage black = palettePicture(0);
  EXPECT_EQ(black.size(), QSize(32, 32));
  EXPECT_EQ(black.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(black.pixel(31, 31), qRgb(0, 0, 0));
  EXPECT_EQ(main().Selected->Picture().toImage(), black);
  EXPECT_EQ(palettePicture(0x44), palettePicture(0x43));
  EXPECT_NE(palettePicture(0x01), palettePicture(0x02));
  // Each is made once, for its bank member; the banks of the other sets are
  // made when a set of theirs is first loaded.
  EXPECT_EQ(palette().G[0x05]->Picture().cacheKey(),
            program().GBase().G.member(0x05).Picture().cacheKey());
  EXPECT_EQ(program().GBase().findChild<QWidget*>("T05"), nullptr);
  EXPECT_FALSE(program().isLoaded<palette::GBase2>());
}

TEST_F(Palette, TheHandOffGivesThePictureOneTickBeforeTheNumber) {
  palette().Constant.tick();
  EXPECT_EQ(main().WXB->Text(), "0");
  EXPECT_EQ(main().Selected->Picture().toImage(), palettePicture(0));

  palette().G[0x0A]->Click();
  palette().Constant.tick();
  EXPECT_EQ(main().Selected->Picture().toImage(), palettePicture(0x0A));
  EXPECT_EQ(main().WXB->Text(), "0");
  main().Constant.tick();
  EXPECT_EQ(main().PaintBit, 0);
  palette().Constant.tick();
  EXPECT_EQ(main().WXB->Text(), "10");
  main().Constant.tick();
  EXPECT_EQ(main().PaintBit, 10);
}

TEST_F(Palette, OnlyTheLastClickBeforeATickCountsAndG44ChoosesNothing) {
  palette().G[0x05]->Click();
  palette().G[0x06]->Click();
  palette().G[0x44]->Click();
  palette().Constant.tick();
  palette().Constant.tick();
  EXPECT_EQ(main().WXB->Text(), "6");
  EXPECT_EQ(main().Selected->Picture().toImage(), palettePicture(0x06));
}

TEST_F(Palette, APlaceChangeKeepsTheChoiceAndSelectedFollowsItsNewPicture) {
  chooseBlock(0x43);
  choosePlace("Mansions");
  settle();
  EXPECT_TRUE(palette().G[0x43]->isHidden());
  EXPECT_EQ(main().WXB->Text(), "67");
  EXPECT_EQ(main().Selected->Picture().toImage(),
            program().GBase().G.member(0x43).Picture().toImage());

  chooseBlock(0x05);
  choosePlace("Dracula's Tomb");
  settle();
  EXPECT_EQ(main().WXB->Text(), "5");
  EXPECT_EQ(main().Selected->Picture().cacheKey(),
            program().GBase2().D.member(0x05).Picture().cacheKey());
}

TEST_F(Palette, ClosingItOnlyHidesIt) {
  palette().close();
  EXPECT_TRUE(program().isLoaded<palette::Graphix>());
  EXPECT_FALSE(palette().isVisible());
  palette().G[0x12]->Click();
  settle();
  EXPECT_EQ(main().WXB->Text(), "18");
}

namespace palette {

TEST(PictureBanks, HoldTheirMembersAtTheirSizes) {
  EXPECT_TRUE(hasMember(Bank::T, 0x44));
  EXPECT_FALSE(hasMember(Bank::G, 0x44));
  EXPECT_FALSE(hasMember(Bank::D, 0x39));
  EXPECT_FALSE(hasMember(Bank::M, 0x42));
  EXPECT_EQ(memberName(Bank::V, 0x06), "v06");
  EXPECT_EQ(memberName(Bank::C, 0x33), "c33");
  EXPECT_EQ(memberName(Bank::T, 0x0A), "T0A");
  // How many members of each bank have pictures of each size.
  std::map<std::pair<Bank, int>, int> sizes;
  for (const BankDesign& bank : kBanks) {
    for (int block = 0; block < kPaletteCells; ++block) {
      if (!hasMember(bank.bank, block)) continue;
      ++sizes[{bank.bank, pictureSize(bank.bank, block)}];
      const QImage picture = bankPicture(bank.bank, block).toImage();
      EXPECT_EQ(picture.width(), pictureSize(bank.bank, block));
      EXPECT_EQ(picture.depth(), 32);  // a 24-bit picture held in 32
    }
  }
  const std::map<std::pair<Bank, int>, int> expected{
      {{Bank::G, 32}, 68}, {{Bank::T, 32}, 69}, {{Bank::M, 31}, 66}, {{Bank::V, 31}, 62},
      {{Bank::D, 32}, 23}, {{Bank::D, 31}, 38}, {{Bank::D, 30}, 2},  {{Bank::C, 32}, 1},
      {{Bank::C, 31}, 67}};
  EXPECT_EQ(sizes, expected);
  EXPECT_EQ(pictureSize(Bank::D, 0x22), 30);
  EXPECT_EQ(pictureSize(Bank::D, 0x0A), 31);
  EXPECT_EQ(pictureSize(Bank::C, 0x00), 32);
  EXPECT_EQ(pictureSize(Bank::C, 0x01), 31);
  EXPECT_EQ(pictureSize(Bank::M, 0x00), 31);
}

TEST(PictureSetLoads, NumbersChooseTheirSetAndOthersTheTown) {
  EXPECT_EQ(pictureSetLoadFor(3).bank, Bank::T);
  EXPECT_EQ(pictureSetLoadFor(3).recorded, 2);
  for (const int outside : {0, 8, -1, 1}) {
    EXPECT_EQ(pictureSetLoadFor(outside).bank, Bank::G) << outside;
    EXPECT_EQ(pictureSetLoadFor(outside).recorded, 1) << outside;
  }
}

}  // namespace palette

using PictureSets = MainWindowTest;

TEST_F(PictureSets, EachSetWritesItsCellsFromItsBank) {
  struct Expected {
    int number;
    palette::Bank bank;
    int recorded;
    std::vector<std::pair<int, int>> cellToMember;
    std::vector<int> untouched;
  };
  const std::vector<Expected> rows{
      {1, palette::Bank::G, 1, {{0x00, 0x00}, {0x43, 0x43}, {0x44, 0x43}}, {}},
      {2, palette::Bank::T, 2, {{0x00, 0x00}, {0x44, 0x44}}, {}},
      {3, palette::Bank::T, 2, {{0x00, 0x00}, {0x44, 0x44}}, {}},
      {4, palette::Bank::M, 4, {{0x00, 0x00}, {0x41, 0x41}}, {0x42, 0x43, 0x44}},
      {5, palette::Bank::C, 5, {{0x00, 0x00}, {0x33, 0x33}, {0x42, 0x42}, {0x43, 0x43}}, {0x44}},
      {6, palette::Bank::D, 6, {{0x38, 0x38}, {0x3A, 0x3A}, {0x3F, 0x3F}}, {0x39, 0x40, 0x44}},
      {7,
       palette::Bank::V,
       7,
       {{0x06, 0x06}, {0x38, 0x38}, {0x39, 0x39}, {0x3D, 0x3D}},
       {0x3E, 0x44}},
  };
  for (const Expected& row : rows) {
    // Every set is loaded after the Trail set, whose pictures show through.
    main().GScroll->setValue(2);
    palette().Change.setEnabled(true);
    palette().Change.tick();
    main().GScroll->setValue(row.number);
    palette().Change.setEnabled(true);
    palette().Change.tick();
    const palette::PictureBank& bank = palette::pictureBank(program(), row.bank);
    EXPECT_EQ(palette().GLET->Value(), row.recorded) << row.number;
    EXPECT_FALSE(palette().Change.Enabled());
    for (const auto& [cell, member] : row.cellToMember) {
      EXPECT_EQ(palette().G[cell]->Picture().cacheKey(), bank.member(member).Picture().cacheKey())
          << row.number << " cell " << cell;
    }
    for (const int cell : row.untouched) {
      EXPECT_EQ(palette().G[cell]->Picture().cacheKey(),
                program().GBase().T.member(cell).Picture().cacheKey())
          << row.number << " cell " << cell;
    }
  }
}

TEST_F(PictureSets, TheSecondBankWindowComesWithItsFirstSetAndStaysHidden) {
  settle();
  EXPECT_FALSE(program().isLoaded<palette::GBase2>());
  choosePlace("Mansions");
  settle();
  EXPECT_FALSE(program().isLoaded<palette::GBase2>());
  choosePlace("Vrad's Cemetary");
  settle();
  ASSERT_TRUE(program().isLoaded<palette::GBase2>());
  EXPECT_FALSE(program().GBase2().isVisible());
  EXPECT_FALSE(program().GBase().isVisible());
}

TEST_F(PictureSets, ATrailPlaceShowsItsScreenInTrailPicturesAtOnce) {
  settle();
  choosePlace("Trail 1");
  tickAll();
  EXPECT_EQ(main().ScreenBase, "107755");
  for (int cell = 0; cell < 56; ++cell) {
    ASSERT_EQ(cellPicture(cell),
              program().GBase().T.member(byteAt(42219 + cell)).Picture().toImage());
  }
}
