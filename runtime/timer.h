#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
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
  bool due(qint64 nowMs) const { return nowMs - lastTickMs_ >= intervalMs_; }
  void fire(qint64 nowMs);

  TimerHub& hub_;
  std::function<void()> handler_;
  int intervalMs_;
  bool enabled_;
  int rank_ = 0;
  qint64 lastTickMs_ = 0;
};

// Drives every timer of the program from one Qt timer, so that many polling
// timers cost one wake-up. In manual mode it never runs by itself and tests
// tick the timers.
class TimerHub : public QObject {
  Q_OBJECT
 public:
  enum class Clock { Real, Manual };
  explicit TimerHub(Clock clock);
  ~TimerHub() override;

  // One round: each enabled timer whose interval has passed ticks once, lower
  // ranks first. In manual mode every enabled timer is due.
  void tickAll();

  // The program has ended: no timer ticks any more by itself.
  void stop();

  Clock clock() const { return clock_; }

 private:
  friend class Timer;
  void add(Timer* timer);
  void remove(Timer* timer);
  void rescheduled();
  qint64 nowMs() const { return clock_ == Clock::Real ? elapsed_.elapsed() : 0; }
  void insertSorted(Timer* timer);
  void mergeWaiting();

  Clock clock_;
  QTimer driver_;
  QElapsedTimer elapsed_;
  std::vector<Timer*> timers_;
  std::vector<Timer*> waiting_;  // added during a round
  bool inRound_ = false;
  bool stopped_ = false;
  bool changedInRound_ = false;
};

}  // namespace rt
