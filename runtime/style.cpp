#include "runtime/style.h"

#include <QApplication>
#include <QProxyStyle>

namespace rt {

namespace {

class DesignStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (icon == SP_ToolBarHorizontalExtensionButton) return {};
    return QProxyStyle::standardIcon(icon, option, widget);
  }
};

}  // namespace

void useDesignStyle() {
  if (dynamic_cast<DesignStyle*>(QApplication::style())) return;
  QApplication::setStyle(new DesignStyle);
}

}  // namespace rt
