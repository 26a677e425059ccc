#include "runtime/timer.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <limits>

namespace rt {

Timer::Timer(TimerHub& hub, int intervalMs, bool enabled)
    : hub_(hub), intervalMs_(std::max(1, intervalMs)), enabled_(enabled) {
  hub_.add(this);
}

Timer::~Timer() { hub_.remove(this); }

void Timer::onTick(std::function<void()> handler) {
  handler_ = [handler = std::move(handler)] {
    handler();
    return true;
  };
  polls_ = false;
}

void Timer::onPoll(std::function<bool()> handler) {
  handler_ = std::move(handler);
  polls_ = true;
}

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  // A timer switched off leaves the driver as it is: a round with nothing
  // due costs less than starting the driver anew.
  if (enabled_) hub_.enabled(*this);
}

void Timer::setRank(int rank) {
  if (rank == rank_) return;
  hub_.remove(this);
  rank_ = rank;
  hub_.add(this);
}

bool Timer::tick() {
  if (!enabled_ || hub_.asleep()) return false;
  hub_.fire(*this, hub_.nowNs());
  hub_.sleepIfQuiet();
  hub_.schedule();
  return true;
}

TimerHub::TimerHub(Clock clock, Driver driver) : clock_(clock), kind_(driver) {
  elapsed_.start();
  driver_.setSingleShot(true);
  driver_.setTimerType(Qt::PreciseTimer);
  connect(&driver_, &QTimer::timeout, this, &TimerHub::tickAll);
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->installEventFilter(this);
  }
}

TimerHub::~TimerHub() = default;

bool TimerHub::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::Drop:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Close:
      wake();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void TimerHub::add(Timer* timer) {
  const auto place = std::upper_bound(
      timers_.begin(), timers_.end(), timer->rank(),
      [](int rank, const Timer* other) { return rank < other->rank(); });
  // A round in progress ticks what it began with: a timer added now waits
  // for the next round.
  timers_.insert(place, timer);
  if (timer->enabled_) enabled(*timer);
}

void TimerHub::remove(Timer* timer) {
  std::erase(timers_, timer);
  for (std::size_t depth = 0; depth < depth_; ++depth) {
    std::replace(rounds_[depth].begin(), rounds_[depth].end(), timer, static_cast<Timer*>(nullptr));
  }
  std::replace(running_.begin(), running_.end(), timer, static_cast<Timer*>(nullptr));
}

void TimerHub::enabled(Timer& timer) {
  if (!stamp_) stamp_ = nowNs();
  timer.sinceNs_ = *stamp_;
  ++changes_;
  asleep_ = false;
  schedule();
}

void TimerHub::wake() {
  ++changes_;
  if (!asleep_) return;
  asleep_ = false;
  schedule();
}

bool TimerHub::running(const Timer* timer) const {
  return std::find(running_.begin(), running_.end(), timer) != running_.end();
}

void TimerHub::fire(Timer& timer, qint64 nowNs) {
  timer.sinceNs_ = nowNs;
  running_.push_back(&timer);
  const std::uint64_t before = changes_;
  const bool changed = timer.handler_();
  running_.pop_back();
  // A tick is quiet as of its start: whatever changed while its handler ran
  // (a nested event loop lets other events in) leaves it not quiet.
  if (changed) {
    wake();
  } else {
    timer.quietAt_ = before;
  }
}

void TimerHub::sleepIfQuiet() {
  if (kind_ == Driver::AlwaysTicking) return;
  for (const Timer* timer : timers_) {
    if (!timer->enabled_ || running(timer)) continue;
    if (!timer->polls_ || timer->quietAt_ != changes_) return;
  }
  asleep_ = true;
}

void TimerHub::tickAll() {
  if (stopped_ || asleep_) return;
  stamp_.reset();
  if (depth_ == rounds_.size()) rounds_.emplace_back();
  // A deque keeps this reference valid while nested rounds add theirs.
  std::vector<Timer*>& round = rounds_[depth_];
  round.assign(timers_.begin(), timers_.end());
  ++depth_;
  // Should a handler run an event loop, the driver goes on, and the first
  // nested round ticks what is due then.
  if (clock_ == Clock::Real) driver_.start(0);
  // What is due is judged at the round's start, so that requests due
  // together tick together in rank order, however long a handler takes; a
  // tick's own start is the moment it runs.
  const qint64 start = nowNs();
  qint64 now = start;
  for (std::size_t i = 0; i < round.size(); ++i) {
    Timer* timer = round[i];
    if (!timer || !timer->enabled_ || running(timer)) continue;
    if (clock_ == Clock::Real && start < timer->dueAtNs()) continue;
    fire(*timer, now);
    now = nowNs();
  }
  --depth_;
  sleepIfQuiet();
  schedule();
}

void TimerHub::stop() {
  stopped_ = true;
  driver_.stop();
}

void TimerHub::schedule() {
  if (clock_ == Clock::Manual || stopped_) return;
  qint64 next = std::numeric_limits<qint64>::max();
  if (!asleep_) {
    for (const Timer* timer : timers_) {
      // A timer whose handler runs a nested loop ticks again once it returns.
      if (timer->enabled_ && !running(timer)) next = std::min(next, timer->dueAtNs());
    }
  }
  if (next == std::numeric_limits<qint64>::max()) {
    driver_.stop();
    return;
  }
  // The driver never fires early, so a whole millisecond rounded up is never
  // too soon.
  const qint64 wait = next - nowNs();
  driver_.start(wait <= 0 ? 0 : static_cast<int>((wait + 999'999) / 1'000'000));
}

}  // namespace rt
