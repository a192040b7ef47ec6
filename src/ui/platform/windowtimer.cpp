#include "ui/platform/windowtimer.h"
#include "ui/platform/property.h"

#include <QEventLoop>

#include <algorithm>

namespace paxamon {

TTimer::TTimer(QObject* parent) : QObject(parent) {
  // Each tick is scheduled anew from the moment it is handled, so two ticks
  // are never closer than the period, even after the event loop was late.
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &TTimer::tick);
  restart();
}

void TTimer::setInterval(int milliseconds) {
  milliseconds = std::max(milliseconds, 0);
  if (!storeIfChanged(interval_, milliseconds)) return;
  restart();
  emit IntervalChanged();
}

void TTimer::setEnabled(bool enabled) {
  if (!storeIfChanged(enabled_, enabled)) return;
  restart();
  emit EnabledChanged();
}

int TTimer::effectivePeriod() const {
  if (!enabled_ || interval_ == 0) return 0;
  return std::max(interval_, kMinimumPeriod);
}

void TTimer::restart() {
  timer_.stop();
  const int period = effectivePeriod();
  if (period > 0) timer_.start(period);
}

void TTimer::tick() {
  timer_.start(effectivePeriod());
  emit timeout();
}

void waitServingEvents(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace paxamon
