#pragma once

#include <QFont>

namespace rt {

// The windows' design font, MS Sans Serif, or the closest sans-serif the
// system has.
QFont designFont(qreal pointSize = 8.25, bool bold = false);

// Makes the design font every control's default.
void useDesignFont();

}  // namespace rt
