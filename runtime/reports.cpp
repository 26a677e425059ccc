#include "runtime/reports.h"

#include <QMessageBox>

namespace rt {

Reports::Reports() = default;
Reports::~Reports() = default;

void Reports::report(const QString& message) {
  if (hook_) {
    hook_(message);
    return;
  }
  if (!box_) {
    box_ = std::make_unique<QMessageBox>(QMessageBox::Warning,
                                         QStringLiteral("Castlevania 2 - Marrow Gate"),
                                         QString(), QMessageBox::Ok);
    box_->setModal(false);
  }
  box_->setText(message);
  box_->show();
  box_->raise();
  box_->activateWindow();
}

}  // namespace rt
