#include "ui/platform/windowtimer.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace paxamon {
namespace {

TEST(WindowTimer, PeriodsNoShorterThanTenMillisecondsAndZeroStops) {
  TTimer timer;
  EXPECT_TRUE(timer.isTicking());  // enabled from creation
  for (const auto& [interval, period] : {std::pair{1, 10}, {9, 10}, {15, 15}, {0, 0}, {-5, 0}}) {
    timer.setInterval(interval);
    EXPECT_EQ(timer.effectivePeriod(), period) << interval;
    EXPECT_EQ(timer.isTicking(), period > 0) << interval;
  }
  timer.setInterval(15);
  timer.setEnabled(false);
  EXPECT_FALSE(timer.isTicking());
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
