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
  const auto other = std::find_if(kOtherSizes.begin(), kOtherSizes.end(), [&](const SizeRun& run) {
    return run.bank == bank && block >= run.firstBlock && block <= run.lastBlock;
  });
  return other != kOtherSizes.end() ? other->size : bankDesign(bank).size;
}

QString memberName(Bank bank, int block) {
  const BankDesign& design = bankDesign(bank);
  QChar letter = QLatin1Char(design.letter);
  if (block == design.lowerCaseBlock) letter = letter.toLower();
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
    auto* cell = new rt::PictureCell(window_, gridPlace(design.left, design.top, block, side),
                                     bankPicture(bank_, block));
    cell->setObjectName(memberName(bank_, block));
    members_[block] = cell;
  }
}

}  // namespace palette
