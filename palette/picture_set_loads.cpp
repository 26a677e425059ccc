#include "palette/picture_set_loads.h"

#include <algorithm>

namespace palette {

const PictureSetLoad& pictureSetLoadFor(int number) {
  const auto load =
      std::find_if(kPictureSetLoads.begin(), kPictureSetLoads.end(), [number](const auto& each) {
        return number >= each.recorded && number <= each.lastNumber;
      });
  return load != kPictureSetLoads.end() ? *load : kPictureSetLoads.front();
}

}  // namespace palette
