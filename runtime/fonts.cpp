#include "runtime/fonts.h"

#include <QApplication>

namespace rt {

namespace {

const QString kDesignFamily = QStringLiteral("MS Sans Serif");

}  // namespace

QFont designFont(qreal pointSize, bool bold) {
  static const bool substituted = [] {
    // Liberation Sans keeps the widths of Arial, close to the design font's.
    QFont::insertSubstitutions(kDesignFamily, {QStringLiteral("Liberation Sans Narrow"),
                                               QStringLiteral("Arial"),
                                               QStringLiteral("DejaVu Sans")});
    return true;
  }();
  (void)substituted;
  QFont font(kDesignFamily);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

void useDesignFont() { QApplication::setFont(designFont()); }

}  // namespace rt
