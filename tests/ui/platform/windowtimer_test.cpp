#include "ui/platform/windowtimer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <vector>

namespace paxamon {
namespace {

TEST(WindowTimer, TicksNoFasterThanTenMillisecondsAndStopsWhenAsked) {
  TTimer timer;
  QElapsedTimer clock;
  std::vector<qint64> ticks;
  timer.OnTimer = [&] { ticks.push_back(clock.nsecsElapsed()); };
  clock.start();
  timer.setInterval(1);
  QTest::qWait(200);
  timer.setEnabled(false);
  ASSERT_GE(ticks.size(), 3u);
  EXPECT_LE(ticks.size(), 20u);
  EXPECT_GE(ticks.front(), 10'000'000);
  for (std::size_t i = 1; i < ticks.size(); ++i)
    EXPECT_GE(ticks[i] - ticks[i - 1], 10'000'000);

  int count = 0;
  timer.setEnabled(true);
  timer.setInterval(0);  // enabled, but interval 0: stopped
  EXPECT_FALSE(timer.isTicking());
  timer.setInterval(15);
  timer.setEnabled(false);
  // A handler that disables its own timer gets exactly one tick.
  timer.OnTimer = [&] {
    ++count;
    timer.setEnabled(false);
  };
  QTest::qWait(60);
  EXPECT_EQ(count, 0);
  timer.setEnabled(true);
  QTest::qWait(80);
  EXPECT_EQ(count, 1);
  EXPECT_FALSE(timer.isTicking());
}

}  // namespace
}  // namespace paxamon
