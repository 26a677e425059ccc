#include "runtime/reports.h"

#include <QMessageBox>

#include <utility>

namespace rt {

Reports::Reports() = default;

Reports::~Reports() { delete box_.data(); }

void Reports::report(const QString& message) {
  if (hook_) {
    hook_(message);
    return;
  }
  if (!box_) {
    box_ = new QMessageBox(QMessageBox::Warning, QStringLiteral("Castlevania 2 - Marrow Gate"),
                           QString(), QMessageBox::Ok);
    box_->setModal(false);
    // The user may be typing in a text box; the report leaves the focus there.
    box_->setAttribute(Qt::WA_ShowWithoutActivating);
    QObject::connect(box_, &QDialog::finished, box_, [this] {
      if (auto then = std::exchange(afterDismissal_, nullptr)) then();
    });
  }
  placeBox();
  box_->setText(message);
  box_->show();
  box_->raise();
}

void Reports::setModalWindow(QWidget* window) {
  modal_ = window;
  if (box_) placeBox();
}

void Reports::placeBox() {
  // A window that is not modal itself takes input beside a modal one only
  // as its child.
  if (box_->parentWidget() == modal_) return;
  const bool shown = box_->isVisible();
  box_->setParent(modal_, box_->windowFlags());
  if (shown) box_->show();
}

void Reports::afterDismissal(std::function<void()> then) {
  if (!box_ || !box_->isVisible()) {
    then();
    return;
  }
  afterDismissal_ = std::move(then);
}

}  // namespace rt
