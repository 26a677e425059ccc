#include "runtime/fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace rt {

namespace {

struct Substitute {
  const char* family;
  // Windows are laid out in twips for the design font's letter widths; a
  // wider font is set a little smaller so that captions fit their places.
  qreal scale;
};

constexpr Substitute kFonts[] = {
    {"MS Sans Serif", 1.0},
    {"Liberation Sans", 0.92},
    {"DejaVu Sans", 0.85},
};

const Substitute& available() {
  static const Substitute& chosen = [&]() -> const Substitute& {
    // The list of the system's families, which the first text drawn needs
    // too; asking for each family by name would resolve its aliases first,
    // which costs more than the list.
    const QStringList families = QFontDatabase::families();
    for (const Substitute& font : kFonts) {
      if (families.contains(QLatin1String(font.family), Qt::CaseInsensitive)) return font;
    }
    return kFonts[0];
  }();
  return chosen;
}

}  // namespace

QFont designFont(qreal pointSize, bool bold) {
  const Substitute& font = available();
  QFont chosen(QLatin1String(font.family));
  chosen.setStyleHint(QFont::SansSerif);
  chosen.setPointSizeF(pointSize * font.scale);
  chosen.setBold(bold);
  return chosen;
}

void useDesignFont() { QApplication::setFont(designFont()); }

}  // namespace rt
