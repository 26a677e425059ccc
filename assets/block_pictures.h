#pragma once

#include <QImage>

// The block pictures of the six picture sets, made here: each set has its own
// colour and each picture shows its block number in two hexadecimal digits,
// so that a user can tell the blocks apart. Block 0x00 of the Town set is
// solid black. Deterministic, 24-bit.
namespace assets {

enum class PictureSet { Town, Trail, Mansion, Camilla, Dracula, Vrad };

QImage blockPicture(PictureSet set, int block, int size);

}  // namespace assets
