#include "ui/auxiliary/UPlay.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "ui/auxiliary/Uhg.h"
#include "ui/platform/controls.h"
#include "ui/platform/panel.h"
#include "ui/platform/windowtimer.h"

namespace paxamon {
namespace {

// The roll and its background, wired as at program start.
struct Roll {
  TForm4 form4;
  TForm5 form5;
  Roll() { form4.setBackground(&form5); }
  void ticks(int n) {
    for (int i = 0; i < n; ++i)
      form4.Timer1Timer();
  }
  int top() const { return form4.HG->y(); }
};

// Records the strip's top at every paint it receives.
struct PaintRecorder : QObject {
  std::vector<int> tops;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) tops.push_back(static_cast<QWidget*>(o)->y());
    return false;
  }
};

TEST(CreditsRoll, RollsPausesStartsAgainAndKeepsThePauseWhenLeft) {
  Roll roll;
  roll.form4.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&roll.form4));
  EXPECT_TRUE(roll.form5.isVisible() && roll.form5.windowState().testFlag(Qt::WindowMaximized));
  // The frame went around the roll window's size when the background came;
  // halves truncate toward zero on a screen smaller than the roll.
  EXPECT_EQ(roll.form5.frame->geometry(),
            TForm5::framePlacement(roll.form4.screen()->geometry().size(), QSize(760, 464)));
  EXPECT_EQ(TForm5::framePlacement(QSize(1280, 1024), QSize(760, 464)), QRect(259, 278, 763, 467));
  EXPECT_EQ(TForm5::framePlacement(QSize(640, 480), QSize(761, 464)), QRect(-61, 6, 764, 467));

  // The 1 ms interval ticks every 10 ms, as on the platform designed for;
  // the roll moves with the ticks.
  EXPECT_EQ(roll.form4.Timer1->effectivePeriod(), TTimer::kMinimumPeriod);
  const int before = roll.top();
  QSignalSpy ticked(roll.form4.Timer1, &TTimer::timeout);
  ASSERT_TRUE(ticked.wait(2000));
  EXPECT_LT(roll.top(), before);
  roll.form4.BusyWaitRounds = 0;  // from here the test ticks by hand
  roll.form4.FormShow();
  EXPECT_EQ(roll.top(), 450);
  roll.form4.Timer1->setEnabled(false);
  QCoreApplication::processEvents();

  // A step paints the strip at once between its two moves.
  PaintRecorder recorder;
  roll.form4.HG->installEventFilter(&recorder);
  roll.ticks(1);
  EXPECT_EQ(recorder.tops, std::vector<int>{449});
  roll.ticks(848);
  EXPECT_EQ(roll.top(), -1248);
  roll.ticks(1);  // the 850th: the last line rests at y = 238 for 3 seconds
  EXPECT_EQ(roll.top() + roll.form4.Label42->y(), 238);
  EXPECT_EQ(roll.form4.pauseFlag(), 1);
  EXPECT_EQ(roll.form4.Timer1->Interval(), 3000);
  roll.ticks(1);  // after the pause: again from 450
  EXPECT_EQ(roll.top(), 448);
  EXPECT_EQ(roll.form4.pauseFlag(), 0);
  EXPECT_EQ(roll.form4.Timer1->Interval(), 1);

  // Leaving during the pause hides both windows and stops the timer.
  roll.ticks(849);
  ASSERT_EQ(roll.form4.pauseFlag(), 1);
  roll.form4.Button1Click();
  EXPECT_FALSE(roll.form4.isVisible() || roll.form5.isVisible());
  EXPECT_FALSE(roll.form4.Timer1->Enabled());
  // Shown again: from 450, but the pause flag and 3-second interval stay,
  // so the first move comes after the pause and starts from 450.
  roll.form4.show();
  EXPECT_EQ(roll.top(), 450);
  EXPECT_EQ(roll.form4.Timer1->effectivePeriod(), 3000);
  roll.form4.Timer1->setEnabled(false);
  roll.ticks(1);
  EXPECT_EQ(roll.top(), 448);

  // Escape does not leave; the button's accelerator does.
  QTest::keyClick(&roll.form4, Qt::Key_Escape);
  EXPECT_TRUE(roll.form4.isVisible());
  QTest::keyClick(&roll.form4, Qt::Key_V, Qt::AltModifier);
  EXPECT_FALSE(roll.form4.isVisible() || roll.form5.isVisible());
  // Closed by the window manager: the background and timer go as well.
  roll.form4.show();
  roll.form4.close();
  EXPECT_FALSE(roll.form5.isVisible() || roll.form4.Timer1->Enabled());
}

TEST(CreditsRoll, CaptionsPicturesAndALargerScreen) {
  Roll roll;
  roll.form4.BusyWaitRounds = 0;
  EXPECT_EQ(roll.form4.HG->findChildren<TLabel*>().size(), 43);
  EXPECT_EQ(roll.form4.Label34->Caption(),
            QStringLiteral("                             FAULTS      Someone else, but NOT me"));
  roll.form4.resize(760, 464);
  // On a larger screen only the design area shows, though the strip
  // reaches far below the bar.
  roll.form4.resize(1000, 900);
  roll.form4.HG->move(124, 50);
  QImage image = roll.form4.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QPainter(&image).fillRect(0, 0, 760, 464, Qt::black);
  QImage black(image.size(), QImage::Format_RGB32);
  black.fill(Qt::black);
  EXPECT_TRUE(image == black);
}

}  // namespace
}  // namespace paxamon
