#pragma once

#include "assets/block_pictures.h"
#include "palette/block_numbers.h"
#include "runtime/controls.h"

#include <QPixmap>

#include <array>

namespace palette {

// The six picture banks: families of picture cells on the two bank windows,
// each member named by the bank's letter and a block number in two
// upper-case hexadecimal digits.
enum class Bank { G, T, M, V, D, C };

// The window that holds a bank.
enum class BankWindow { GBase, GBase2 };

struct BankDesign {
  Bank bank;
  char letter;
  assets::PictureSet set;
  BankWindow window;
  int lastBlock;
  int missingBlock;    // -1: none
  int lowerCaseBlock;  // the member whose letter is lower case; -1: none
  int size;            // of most members' pictures, pixels square
  int left;            // grid origin, twips
  int top;
};

inline constexpr std::array<BankDesign, 6> kBanks{{
    {Bank::G, 'G', assets::PictureSet::Town, BankWindow::GBase, 0x43, -1, -1, 32, 5640, 120},
    {Bank::T, 'T', assets::PictureSet::Trail, BankWindow::GBase, 0x44, -1, -1, 32, 120, 120},
    {Bank::M, 'M', assets::PictureSet::Mansion, BankWindow::GBase, 0x41, -1, -1, 31, 120, 5040},
    {Bank::V, 'V', assets::PictureSet::Vrad, BankWindow::GBase2, 0x3D, -1, 0x06, 31, 120, 120},
    {Bank::D, 'D', assets::PictureSet::Dracula, BankWindow::GBase2, 0x3F, 0x39, -1, 31, 5760, 120},
    {Bank::C, 'C', assets::PictureSet::Camilla, BankWindow::GBase2, 0x43, -1, 0x33, 31, 120, 5280},
}};

// The members whose pictures are not of their bank's size.
struct SizeRun {
  Bank bank;
  int firstBlock;
  int lastBlock;
  int size;
};

inline constexpr std::array<SizeRun, 5> kOtherSizes{{
    {Bank::C, 0x00, 0x00, 32},
    {Bank::D, 0x00, 0x09, 32},
    {Bank::D, 0x10, 0x19, 32},
    {Bank::D, 0x1F, 0x21, 32},
    {Bank::D, 0x22, 0x23, 30},
}};

// The place of block n's cell in a grid of 8 rows at a pitch of 600 twips
// from the grid's origin: column n div 8, row n mod 8.
constexpr rt::TwipsRect gridPlace(int left, int top, int block, int side) {
  return {left + 600 * (block / 8), top + 600 * (block % 8), side, side};
}

const BankDesign& bankDesign(Bank bank);

bool hasMember(Bank bank, int block);

// The member's picture size in pixels: 32, 31 or 30 square.
int pictureSize(Bank bank, int block);

// "T0A", and the two spelled in lower case, "v06" and "c33".
QString memberName(Bank bank, int block);

// The picture of a bank member.
QPixmap bankPicture(Bank bank, int block);

// The members of one bank on its window, in a grid from the bank's origin
// as the palette's cells are in theirs. They are made at the first use of
// the bank, so that a set that is never loaded makes no pictures.
class PictureBank {
 public:
  PictureBank(QWidget* window, Bank bank) : window_(window), bank_(bank) {}

  Bank bank() const { return bank_; }
  rt::PictureCell& member(int block) const;

 private:
  void build() const;

  QWidget* window_;
  Bank bank_;
  // By block number; empty where the bank has none.
  mutable std::array<rt::PictureCell*, kPaletteCells> members_{};
  mutable bool built_ = false;
};

}  // namespace palette
