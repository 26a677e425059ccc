#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace rt {

class TimerHub;

// Puts a value into a window variable; tells whether that changed it, as a
// polling handler must say.
template <class T>
bool put(T& variable, const T& value) {
  if (variable == value) return false;
  variable = value;
  return true;
}

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

  // A request's handler: its tick always counts as a change.
  void onTick(std::function<void()> handler);
  // A polling handler: it tells whether its tick changed a control or a
  // window variable.
  void onPoll(std::function<bool()> handler);

  bool Enabled() const { return enabled_; }
  // Setting the present value changes nothing.
  void setEnabled(bool enabled);
  int Interval() const { return intervalMs_; }

  // Timers of a lower rank tick first when several are due together.
  void setRank(int rank);
  int rank() const { return rank_; }

  // Runs one tick now when enabled and the driver is awake, as the driver
  // would; tells whether it ran.
  bool tick();

 private:
  friend class TimerHub;
  qint64 dueAtNs() const { return sinceNs_ + qint64{intervalMs_} * 1'000'000; }

  TimerHub& hub_;
  std::function<bool()> handler_ = [] { return false; };
  bool polls_ = true;
  int intervalMs_;
  bool enabled_;
  int rank_ = 0;
  // The start of its last tick, or its enabling when it has not ticked since.
  qint64 sinceNs_ = 0;
  // The hub's count of changes at the start of this timer's last tick that
  // changed nothing.
  std::optional<std::uint64_t> quietAt_;
};

// Drives every timer of the program from one precise Qt timer, so that many
// polling timers cost one wake-up. A polling round that changes nothing
// cannot be observed, so once every polling timer has ticked without a
// change and no request is enabled, the driver sleeps; anything that can
// change what a polling tick reads wakes it: user input, focus, a window
// shown, hidden or closed (seen by an event filter on the application),
// a timer enabled, and the controls' own wake-ups. In manual mode it never
// runs by itself and tests tick the timers; it sleeps and wakes all the same.
class TimerHub : public QObject {
  Q_OBJECT
 public:
  enum class Clock { Real, Manual };
  // AlwaysTicking never sleeps: the reference that tests hold the sleeping
  // driver against.
  enum class Driver { Sleeping, AlwaysTicking };
  explicit TimerHub(Clock clock, Driver driver = Driver::Sleeping);
  ~TimerHub() override;

  // One round: each enabled timer whose interval has passed ticks once, lower
  // ranks first. In manual mode every enabled timer is due. A handler may run
  // an event loop (a modal Show): rounds then nest, and a nested round skips
  // the timers whose handlers are running. A round while asleep ticks
  // nothing.
  void tickAll();

  // Something may have changed what a polling tick reads: the timers are due
  // again at their next interval.
  void wake();
  bool asleep() const { return asleep_; }

  // The program has ended: no timer ticks any more by itself.
  void stop();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class Timer;
  void add(Timer* timer);
  void remove(Timer* timer);
  void enabled(Timer& timer);
  void fire(Timer& timer, qint64 nowNs);
  bool running(const Timer* timer) const;
  // Sleeps when every enabled timer that is not running has polled without a
  // change since the last change.
  void sleepIfQuiet();
  // Starts the driver for the earliest moment at which a timer falls due.
  void schedule();
  qint64 nowNs() const { return clock_ == Clock::Real ? elapsed_.nsecsElapsed() : 0; }

  Clock clock_;
  Driver kind_;
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
  // Counts the changes and wake-ups, so that a quiet tick is known to be
  // quiet still.
  std::uint64_t changes_ = 0;
  bool asleep_ = false;
  bool stopped_ = false;
};

}  // namespace rt
