#include "ui/platform/windowtimer.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace paxamon {
namespace {

TEST(WindowTimer, PeriodsNoShorterThanTenMillisecondsAndStops) {
  TTimer timer;
  EXPECT_TRUE(timer.isTicking());  // enabled from creation, every 1000 ms
  EXPECT_EQ(timer.effectivePeriod(), 1000);
  for (const auto& [interval, period] : {std::pair{1, 10}, {9, 10}, {10, 10}, {15, 15}}) {
    timer.setInterval(interval);
    EXPECT_EQ(timer.effectivePeriod(), period) << interval;
  }
  timer.setInterval(0);  // enabled, but interval 0: stopped
  EXPECT_FALSE(timer.isTicking());
  timer.setInterval(-5);
  EXPECT_EQ(timer.Interval(), 0);
  timer.setInterval(15);
  timer.setEnabled(false);
  EXPECT_FALSE(timer.isTicking());
  EXPECT_EQ(timer.effectivePeriod(), 0);
}

TEST(WindowTimer, AHandlerThatStopsItsTimerGetsOneTick) {
  TTimer timer;
  timer.setInterval(10);
  int count = 0;
  QObject::connect(&timer, &TTimer::timeout, [&] {
    ++count;
    timer.setEnabled(false);
  });
  QSignalSpy ticks(&timer, &TTimer::timeout);
  ASSERT_TRUE(ticks.wait(1000));
  QTest::qWait(50);
  EXPECT_EQ(count, 1);
  EXPECT_FALSE(timer.isTicking());
}

}  // namespace
}  // namespace paxamon
