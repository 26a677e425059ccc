#include "map_editor/screen_position.h"

#include "runtime/conversions.h"

#include <algorithm>

namespace map_editor {

qint64 cellPosition(double screenAddress, int cell) {
  const double position =
      rt::roundHalfEven(screenAddress >= kUpperRuleFrom ? screenAddress + cell
                                                        : screenAddress + cell - kLowerRuleOffset);
  // Far outside any file either way; clamped so that it converts safely.
  constexpr double kLimit = 1e15;
  return static_cast<qint64>(std::clamp(position, -kLimit, kLimit));
}

}  // namespace map_editor
