#pragma once

#include "runtime/reports.h"
#include "runtime/timer.h"

namespace rt {

// What every window of one program shares: the timers' driver and the
// reports.
struct Runtime {
  explicit Runtime(TimerHub::Clock clock) : timers(clock) {}
  TimerHub timers;
  Reports reports;
};

}  // namespace rt
