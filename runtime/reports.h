#pragma once

#include <QPointer>
#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

namespace rt {

// Where failures are told to the user: one message window, not modal, that
// each new report reuses. It never takes the keyboard focus, and while a
// window is modal it stands over that window, so that it can be read and
// dismissed there. Tests hook in instead of a window; a report given to the
// hook counts as dismissed.
class Reports {
 public:
  using Hook = std::function<void(const QString&)>;
  Reports();
  ~Reports();
  Reports(const Reports&) = delete;
  Reports& operator=(const Reports&) = delete;

  void setHook(Hook hook) { hook_ = std::move(hook); }
  void report(const QString& message);

  // The window shown modal now, none when it has gone.
  void setModalWindow(QWidget* window);
  // Runs `then` once the report shown now has been dismissed; at once when
  // none is shown.
  void afterDismissal(std::function<void()> then);

 private:
  void placeBox();

  Hook hook_;
  // Owned here, but a child of the modal window while one is shown.
  QPointer<QMessageBox> box_;
  QPointer<QWidget> modal_;
  std::function<void()> afterDismissal_;
};

}  // namespace rt
