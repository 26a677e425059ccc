#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace rt {

class TimerHub;

// A window's timer: an interval in ms and an Enabled flag. While enabled,
// its handler runs every interval or as soon after as the loop allows.
// Request timers merge: enabling one several times before it ticks gives one
// tick.
class Timer {
 public:
  Timer(TimerHub& hub, int intervalMs, bool enabled);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  void onTick(std::function<void()> handler) { handler_ = std::move(handler); }

  bool Enabled() const { return enabled_; }
  // Setting the present value changes nothing.
  void setEnabled(bool enabled);
  int Interval() const { return intervalMs_; }
  void setInterval(int intervalMs);

  // Timers of a lower rank tick first when several are due together.
  void setRank(int rank);
  int rank() const { return rank_; }

  // Runs one tick now when enabled; tells whether it ran.
  bool tick();

 private:
  friend class TimerHub;
  qint64 dueAtNs() const { return sinceNs_ + qint64{intervalMs_} * 1'000'000; }

  TimerHub& hub_;
  std::function<void()> handler_;
  int intervalMs_;
  bool enabled_;
  int rank_ = 0;
  // The start of its last tick, or its enabling when it has not ticked since.
  qint64 sinceNs_ = 0;
};

// Drives every timer of the program from one precise Qt timer, so that many
// polling timers cost one wake-up. In manual mode it never runs by itself and
// tests tick the timers.
class TimerHub : public QObject {
  Q_OBJECT
 public:
  enum class Clock { Real, Manual };
  explicit TimerHub(Clock clock);
  ~TimerHub() override;

  // One round: each enabled timer whose interval has passed ticks once, lower
  // ranks first. In manual mode every enabled timer is due. A handler may run
  // an event loop (a modal Show): rounds then nest, and a nested round skips
  // the timers whose handlers are running.
  void tickAll();

  // The program has ended: no timer ticks any more by itself.
  void stop();

  Clock clock() const { return clock_; }

 private:
  friend class Timer;
  void add(Timer* timer);
  void remove(Timer* timer);
  void enabled(Timer& timer);
  void fire(Timer& timer, qint64 nowNs);
  bool running(const Timer* timer) const;
  // Starts the driver for the earliest moment at which a timer falls due.
  void schedule();
  qint64 nowNs() const { return clock_ == Clock::Real ? elapsed_.nsecsElapsed() : 0; }

  Clock clock_;
  QTimer driver_;
  QElapsedTimer elapsed_;
  std::vector<Timer*> timers_;  // by rank
  // What each round in progress ticks, outermost first: timers_ as the round
  // began, with the timers removed since then nulled.
  std::deque<std::vector<Timer*>> rounds_;
  std::size_t depth_ = 0;
  // The timers whose handlers are on the stack, innermost last.
  std::vector<Timer*> running_;
  // Every enabling between two rounds carries the moment of the first one,
  // so that the requests of one event fall due together, in rank order.
  std::optional<qint64> stamp_;
  bool stopped_ = false;
};

}  // namespace rt
