#pragma once

#include "runtime/controls.h"

#include <QSocketNotifier>

#include <memory>

namespace rt {

// SIGTERM, SIGINT and SIGHUP as an event on the loop: the signal handler
// only writes a byte into a pipe, and its reading end wakes the loop, which
// runs `handler` there. One at a time in a process; on destruction the
// signals end the process again.
class EndSignals {
 public:
  explicit EndSignals(Handler handler);
  ~EndSignals();
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 private:
  int pipe_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace rt
