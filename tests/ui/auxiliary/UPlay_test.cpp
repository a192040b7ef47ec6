#include "ui/auxiliary/UPlay.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <vector>

#include "ui/auxiliary/Uhg.h"
#include "ui/components/bi_btns.h"
#include "ui/platform/controls.h"
#include "ui/platform/panel.h"
#include "ui/platform/windowtimer.h"

namespace paxamon {
namespace {

// Saves into $PAXAMON_GALLERY (when set).
void keep(QWidget& widget, const QString& name) {
  const QString folder = qEnvironmentVariable("PAXAMON_GALLERY");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  widget.grab().save(QDir(folder).filePath(name + ".png"));
}

// The roll and its background, wired as at program start, with the busy
// wait left out.
struct Roll {
  TForm4 form4;
  TForm5 form5;
  Roll() {
    form4.setBackground(&form5);
    form4.BusyWaitRounds = 0;
  }
  void ticks(int n) {
    for (int i = 0; i < n; ++i)
      form4.Timer1Timer();
  }
  int top() const { return form4.HG->y(); }
};

TEST(CreditsRoll, CaptionLines) {
  Roll roll;
  // 43 white, centred lines on the strip, none with an access-key marker.
  const QList<TLabel*> lines = roll.form4.HG->findChildren<TLabel*>();
  EXPECT_EQ(lines.size(), 43);
  for (const TLabel* l : lines) {
    EXPECT_EQ(l->FontColor(), clWhite);
    EXPECT_TRUE(l->Transparent());
    EXPECT_EQ(l->Alignment(), TAlignment::taCenter);
    EXPECT_FALSE(l->Caption().contains('&')) << l->Caption().toStdString();
  }
  EXPECT_EQ(roll.form4.Label34->Caption(),
            QStringLiteral("                             FAULTS      Someone else, but NOT me"));
}

TEST(CreditsRoll, RollsToItsEndPausesAndStartsAgain) {
  Roll roll;
  roll.form4.FormShow();
  EXPECT_EQ(roll.top(), 450);
  // The 1 ms interval ticks every 10 ms, as on the platform designed for.
  EXPECT_EQ(roll.form4.Timer1->effectivePeriod(), TTimer::kMinimumPeriod);
  roll.form4.Timer1->setEnabled(false);  // the test ticks by hand
  roll.ticks(849);
  EXPECT_EQ(roll.top(), -1248);
  EXPECT_EQ(roll.form4.pauseFlag(), 0);
  roll.ticks(1);  // the 850th: the last line rests at y = 238 for 3 seconds
  EXPECT_EQ(roll.top() + roll.form4.Label42->y(), 238);
  EXPECT_EQ(roll.form4.pauseFlag(), 1);
  EXPECT_EQ(roll.form4.Timer1->Interval(), 3000);
  roll.ticks(1);  // after the pause: again from 450
  EXPECT_EQ(roll.top(), 448);
  EXPECT_EQ(roll.form4.pauseFlag(), 0);
  EXPECT_EQ(roll.form4.Timer1->Interval(), 1);
}

// Records the strip's top at every paint it receives.
struct PaintRecorder : QObject {
  std::vector<int> tops;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) tops.push_back(static_cast<QWidget*>(o)->y());
    return false;
  }
};

TEST(CreditsRoll, ShowingLeavingAndShowingAgain) {
  Roll roll;
  roll.form4.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&roll.form4));
  EXPECT_TRUE(roll.form5.isVisible());
  EXPECT_TRUE(roll.form5.windowState() & Qt::WindowMaximized);
  // The frame went around the roll window's size when the background came.
  EXPECT_EQ(roll.form5.frame->geometry(),
            TForm5::framePlacement(roll.form4.screen()->geometry().size(), QSize(760, 464)));
  roll.form4.Timer1->setEnabled(false);
  QCoreApplication::processEvents();

  // A step paints the strip at once between its two moves.
  PaintRecorder recorder;
  roll.form4.HG->installEventFilter(&recorder);
  roll.ticks(1);
  EXPECT_EQ(recorder.tops, std::vector<int>{449});
  roll.form4.HG->removeEventFilter(&recorder);

  // Leaving during the pause hides both windows and stops the timer.
  roll.ticks(849);
  ASSERT_EQ(roll.form4.pauseFlag(), 1);
  roll.form4.Button1Click();
  EXPECT_FALSE(roll.form4.isVisible());
  EXPECT_FALSE(roll.form5.isVisible());
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
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&roll.form4));
  QTest::keyClick(&roll.form4, Qt::Key_Escape);
  EXPECT_TRUE(roll.form4.isVisible());
  QTest::keyClick(&roll.form4, Qt::Key_V, Qt::AltModifier);
  EXPECT_FALSE(roll.form4.isVisible());
  EXPECT_FALSE(roll.form5.isVisible());

  // Closed by the window manager: the background and timer go as well.
  roll.form4.show();
  roll.form4.close();
  EXPECT_FALSE(roll.form5.isVisible());
  EXPECT_FALSE(roll.form4.Timer1->Enabled());
}

TEST(CreditsRoll, ShownModallyUntilLeft) {
  Roll roll;
  roll.form4.BusyWaitRounds = 50000;
  int ticksSeen = 0;
  QTimer::singleShot(300, &roll.form4, [&] {
    ticksSeen = (450 - roll.top()) / 2;
    emit roll.form4.BI_GradientButton2->clicked();
  });
  roll.form4.exec();
  EXPECT_FALSE(roll.form5.isVisible());
  // About one tick per 10 ms: the roll neither stalls nor races.
  EXPECT_GE(ticksSeen, 5);
  EXPECT_LE(ticksSeen, 31);
}

TEST(CreditsBackground, FramePlacement) {
  EXPECT_EQ(TForm5::framePlacement(QSize(1280, 1024), QSize(760, 464)), QRect(259, 278, 763, 467));
  // Halves truncate toward zero on a screen smaller than the roll.
  EXPECT_EQ(TForm5::framePlacement(QSize(640, 480), QSize(761, 464)), QRect(-61, 6, 764, 467));
}

TEST(CreditsRoll, PicturesAndALargerScreen) {
  Roll roll;
  roll.form4.resize(760, 464);
  for (int ticks : {0, 60, 250, 450, 700, 850}) {
    roll.ticks(ticks - (450 - roll.top()) / 2);
    keep(roll.form4, QStringLiteral("credits-%1").arg(ticks));
  }
  // On a larger screen only the design area shows, though the strip
  // reaches far below the bar.
  roll.form4.resize(1000, 900);
  roll.form4.HG->move(124, 50);
  const QImage image = roll.form4.grab().toImage().convertToFormat(QImage::Format_RGB32);
  int lit = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((x >= 760 || y >= 464) && image.pixel(x, y) != qRgb(0, 0, 0)) ++lit;
  EXPECT_EQ(lit, 0);
}

}  // namespace
}  // namespace paxamon
