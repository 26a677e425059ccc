#pragma once

#include "runtime/reports.h"
#include "runtime/system_calls.h"
#include "runtime/timer.h"

#include <memory>

namespace rt {

// What every window of one program shares: the timers' driver, the reports
// and the system calls through which every file byte is read and written.
struct Runtime {
  explicit Runtime(TimerHub::Clock clock,
                   std::shared_ptr<SystemCalls> calls = std::make_shared<SystemCalls>(),
                   TimerHub::Driver driver = TimerHub::Driver::Sleeping)
      : timers(clock, driver), systemCalls(std::move(calls)) {}
  TimerHub timers;
  Reports reports;
  std::shared_ptr<SystemCalls> systemCalls;
};

}  // namespace rt
