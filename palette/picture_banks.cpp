#include "palette/picture_banks.h"

#include "runtime/twips.h"

#include <algorithm>

namespace palette {

const BankDesign& bankDesign(Bank bank) {
  return *std::find_if(kBanks.begin(), kBanks.end(),
                       [bank](const BankDesign& design) { return design.bank == bank; });
}

bool hasMember(Bank bank, int block) {
  const BankDesign& design = bankDesign(bank);
  return block >= 0 && block <= design.lastBlock && block != design.missingBlock;
}

int pictureSize(Bank bank, int block) {
  switch (bank) {
    case Bank::G:
    case Bank::T:
      return 32;
    case Bank::M:
    case Bank::V:
      return 31;
    case Bank::C:
      return block == 0x00 ? 32 : 31;
    case Bank::D:
      if (block <= 0x09 || (block >= 0x10 && block <= 0x19) || block == 0x1F || block == 0x20 ||
          block == 0x21) {
        return 32;
      }
      return block == 0x22 || block == 0x23 ? 30 : 31;
  }
  return 32;
}

QString memberName(Bank bank, int block) {
  QChar letter = QLatin1Char(bankDesign(bank).letter);
  if ((bank == Bank::V && block == 0x06) || (bank == Bank::C && block == 0x33)) {
    letter = letter.toLower();
  }
  return letter + QStringLiteral("%1").arg(block, 2, 16, QLatin1Char('0')).toUpper();
}

QPixmap bankPicture(Bank bank, int block) {
  const int size = pictureSize(bank, block);
  return QPixmap::fromImage(assets::blockPicture(bankDesign(bank).set, block, size));
}

rt::PictureCell& PictureBank::member(int block) const {
  if (!built_) build();
  return *members_.at(block);
}

void PictureBank::build() const {
  built_ = true;
  const BankDesign& design = bankDesign(bank_);
  for (int block = 0; block <= design.lastBlock; ++block) {
    if (!hasMember(bank_, block)) continue;
    const int side = rt::twips(pictureSize(bank_, block));
    auto* cell = new rt::PictureCell(
        window_, {design.left + 600 * (block / 8), design.top + 600 * (block % 8), side, side},
        bankPicture(bank_, block));
    cell->setObjectName(memberName(bank_, block));
    members_[block] = cell;
  }
}

}  // namespace palette
