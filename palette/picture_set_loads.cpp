#include "palette/picture_set_loads.h"

namespace palette {

const PictureSetLoad& pictureSetLoadFor(int number) {
  switch (number) {
    case 2:
    case 3: return kPictureSetLoads[1];
    case 4: return kPictureSetLoads[2];
    case 5: return kPictureSetLoads[3];
    case 6: return kPictureSetLoads[4];
    case 7: return kPictureSetLoads[5];
    default: return kPictureSetLoads[0];
  }
}

}  // namespace palette
