#include "ui/auxiliary/UPlay.h"

#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "ui/auxiliary/Uhg.h"
#include "ui/platform/controls.h"
#include "ui/platform/panel.h"
#include "ui/platform/windowtimer.h"

namespace paxamon {
namespace {

// Records the strip's top at every paint it receives.
struct PaintRecorder : QObject {
  std::vector<int> tops;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) tops.push_back(static_cast<QWidget*>(o)->y());
    return false;
  }
};

TEST(CreditsRoll, TwoPixelsATickAPauseAtTheEndKeptWhenLeftAndTheBackgroundGoesAlong) {
  // The frame around the roll: halves truncate toward zero on a screen
  // smaller than the roll.
  EXPECT_EQ(TForm5::framePlacement(QSize(1280, 1024), QSize(760, 464)), QRect(259, 278, 763, 467));
  EXPECT_EQ(TForm5::framePlacement(QSize(640, 480), QSize(761, 464)), QRect(-61, 6, 764, 467));

  TForm4 roll;
  TForm5 background;
  roll.setBackground(&background);
  roll.BusyWaitRounds = 0;
  roll.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&roll));
  EXPECT_TRUE(background.isVisible());
  // The 1 ms interval ticks every 10 ms; from here the test ticks by hand.
  EXPECT_EQ(roll.Timer1->effectivePeriod(), TTimer::kMinimumPeriod);
  roll.Timer1->setEnabled(false);
  const auto ticks = [&](int n) {
    for (int i = 0; i < n; ++i)
      roll.Timer1Timer();
  };
  // A step paints the strip at once between its two moves.
  PaintRecorder recorder;
  roll.HG->installEventFilter(&recorder);
  ticks(1);
  EXPECT_EQ(recorder.tops, std::vector<int>{449});
  EXPECT_EQ(roll.HG->y(), 448);
  ticks(849);  // the 850th: the last line rests at y = 238 for 3 seconds
  EXPECT_EQ(roll.HG->y() + roll.Label42->y(), 238);
  EXPECT_EQ(roll.Timer1->Interval(), 3000);
  ticks(1);  // after the pause: again from 450
  EXPECT_EQ(roll.HG->y(), 448);
  EXPECT_EQ(roll.Timer1->Interval(), 1);

  // Left during the pause: shown again from 450, but the pause stays, so
  // the first move comes after it and starts from 450.
  ticks(849);
  roll.Button1Click();
  EXPECT_FALSE(roll.isVisible() || background.isVisible() || roll.Timer1->Enabled());
  roll.show();
  EXPECT_EQ(roll.HG->y(), 450);
  EXPECT_EQ(roll.Timer1->effectivePeriod(), 3000);
  roll.Timer1->setEnabled(false);
  ticks(1);
  EXPECT_EQ(roll.HG->y(), 448);

  // Escape does not leave; closed by the window manager, the background
  // and the timer go as well.
  QTest::keyClick(&roll, Qt::Key_Escape);
  EXPECT_TRUE(roll.isVisible());
  roll.Timer1->setEnabled(true);
  roll.close();
  EXPECT_FALSE(background.isVisible() || roll.Timer1->Enabled());
}

}  // namespace
}  // namespace paxamon
