#include "runtime/timer.h"

#include <algorithm>
#include <climits>

namespace rt {

Timer::Timer(TimerHub& hub, int intervalMs, bool enabled)
    : hub_(hub), intervalMs_(std::max(1, intervalMs)), enabled_(enabled) {
  lastTickMs_ = hub_.nowMs();
  hub_.add(this);
}

Timer::~Timer() { hub_.remove(this); }

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_) lastTickMs_ = hub_.nowMs();
  hub_.rescheduled();
}

void Timer::setInterval(int intervalMs) {
  intervalMs_ = std::max(1, intervalMs);
  hub_.rescheduled();
}

void Timer::setRank(int rank) {
  if (rank == rank_) return;
  hub_.remove(this);
  rank_ = rank;
  hub_.add(this);
}

bool Timer::tick() {
  if (!enabled_) return false;
  fire(hub_.nowMs());
  return true;
}

void Timer::fire(qint64 nowMs) {
  lastTickMs_ = nowMs;
  if (handler_) handler_();
}

TimerHub::TimerHub(Clock clock) : clock_(clock) {
  elapsed_.start();
  connect(&driver_, &QTimer::timeout, this, &TimerHub::tickAll);
}

TimerHub::~TimerHub() = default;

void TimerHub::insertSorted(Timer* timer) {
  const auto place = std::upper_bound(
      timers_.begin(), timers_.end(), timer->rank(),
      [](int rank, const Timer* other) { return other && rank < other->rank(); });
  timers_.insert(place, timer);
}

void TimerHub::add(Timer* timer) {
  if (inRound_) {
    waiting_.push_back(timer);
  } else {
    insertSorted(timer);
  }
  rescheduled();
}

void TimerHub::remove(Timer* timer) {
  std::erase(waiting_, timer);
  if (inRound_) {
    std::replace(timers_.begin(), timers_.end(), timer, static_cast<Timer*>(nullptr));
  } else {
    std::erase(timers_, timer);
  }
  rescheduled();
}

void TimerHub::mergeWaiting() {
  std::erase(timers_, nullptr);
  for (Timer* timer : waiting_) insertSorted(timer);
  waiting_.clear();
}

void TimerHub::tickAll() {
  // A handler that runs a nested event loop must not start a second round.
  if (inRound_ || stopped_) return;
  inRound_ = true;
  const qint64 now = nowMs();
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    Timer* timer = timers_[i];
    if (timer && timer->enabled_ && (clock_ == Clock::Manual || timer->due(now))) {
      timer->fire(now);
    }
  }
  inRound_ = false;
  mergeWaiting();
  // Polling timers alone change nothing here; only a timer switched on or
  // off, added or removed during the round can change the driver.
  if (changedInRound_) {
    changedInRound_ = false;
    rescheduled();
  }
}

void TimerHub::stop() {
  stopped_ = true;
  driver_.stop();
}

void TimerHub::rescheduled() {
  if (inRound_) {
    changedInRound_ = true;
    return;
  }
  if (clock_ == Clock::Manual || stopped_) return;
  int shortest = INT_MAX;
  for (const Timer* timer : timers_) {
    if (timer && timer->enabled_) shortest = std::min(shortest, timer->intervalMs_);
  }
  for (const Timer* timer : waiting_) {
    if (timer->enabled_) shortest = std::min(shortest, timer->intervalMs_);
  }
  if (shortest == INT_MAX) {
    driver_.stop();
  } else if (!driver_.isActive() || driver_.interval() != shortest) {
    driver_.start(shortest);
  }
}

}  // namespace rt
