#pragma once

#include <QString>

#include <functional>
#include <memory>

class QMessageBox;

namespace rt {

// Where failures are told to the user: one message window, not modal, that
// each new report reuses. Tests hook in instead of a window.
class Reports {
 public:
  using Hook = std::function<void(const QString&)>;
  Reports();
  ~Reports();

  void setHook(Hook hook) { hook_ = std::move(hook); }
  void report(const QString& message);

 private:
  Hook hook_;
  std::unique_ptr<QMessageBox> box_;
};

}  // namespace rt
