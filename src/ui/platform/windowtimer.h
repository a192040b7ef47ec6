// TTimer: the window timer of the platform the program was designed for.
// It signals timeout (the platform's OnTimer) every Interval milliseconds
// while Enabled, on the GUI
// thread. That platform never delivers timer ticks closer together than
// 10 ms, so an Interval from 1 to 9 behaves as 10; an Interval of 0 stops
// the timer. Changing Interval or Enabled starts the period afresh.
#pragma once

#include <QObject>
#include <QTimer>

namespace paxamon {

class TTimer : public QObject {
  Q_OBJECT
  Q_PROPERTY(int Interval READ Interval WRITE setInterval NOTIFY IntervalChanged)
  Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY EnabledChanged)

 public:
  // The shortest period between two ticks, in milliseconds.
  static constexpr int kMinimumPeriod = 10;

  explicit TTimer(QObject* parent = nullptr);

  int Interval() const { return interval_; }
  void setInterval(int milliseconds);  // negative values count as 0
  bool Enabled() const { return enabled_; }
  void setEnabled(bool enabled);

  // The period actually used: 0 while stopped, else at least kMinimumPeriod.
  int effectivePeriod() const;
  bool isTicking() const { return timer_.isActive(); }

 signals:
  // Every tick.
  void timeout();

  void IntervalChanged();
  void EnabledChanged();

 private:
  void restart();
  void tick();

  QTimer timer_;
  int interval_ = 1000;
  bool enabled_ = true;
};

// Waits the given time without keeping the processor busy, while the window
// system is served (repaints, timers, and whatever input event filters let
// through), as a modal wait on that platform did.
void waitServingEvents(int milliseconds);

}  // namespace paxamon
