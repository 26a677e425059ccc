#pragma once

#include "assets/block_pictures.h"
#include "runtime/controls.h"

#include <QPixmap>

#include <array>

namespace palette {

// The six picture banks: families of picture cells on the two bank windows,
// each member named by the bank's letter and a block number in two
// upper-case hexadecimal digits.
enum class Bank { G, T, M, V, D, C };

inline constexpr int kPaletteCells = 0x45;  // block numbers 0x00..0x44

struct BankDesign {
  Bank bank;
  char letter;
  assets::PictureSet set;
  int lastBlock;
  int missingBlock;  // -1: none
  int left;          // grid origin, twips
  int top;
};

inline constexpr std::array<BankDesign, 6> kBanks{{
    {Bank::G, 'G', assets::PictureSet::Town, 0x43, -1, 5640, 120},
    {Bank::T, 'T', assets::PictureSet::Trail, 0x44, -1, 120, 120},
    {Bank::M, 'M', assets::PictureSet::Mansion, 0x41, -1, 120, 5040},
    {Bank::V, 'V', assets::PictureSet::Vrad, 0x3D, -1, 120, 120},
    {Bank::D, 'D', assets::PictureSet::Dracula, 0x3F, 0x39, 5760, 120},
    {Bank::C, 'C', assets::PictureSet::Camilla, 0x43, -1, 120, 5280},
}};

const BankDesign& bankDesign(Bank bank);

bool hasMember(Bank bank, int block);

// The member's picture size in pixels: 32, 31 or 30 square.
int pictureSize(Bank bank, int block);

// "T0A", and the two spelled in lower case, "v06" and "c33".
QString memberName(Bank bank, int block);

// The picture of a bank member.
QPixmap bankPicture(Bank bank, int block);

// The members of one bank on its window, column-major with 8 rows at a
// pitch of 600 twips from the bank's grid origin. They are made at the first
// use of the bank, so that a set that is never loaded makes no pictures.
class PictureBank {
 public:
  PictureBank(QWidget* window, Bank bank) : window_(window), bank_(bank) {}

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
