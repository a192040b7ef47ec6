#include "ui/auxiliary/UPlay.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPaintEvent>
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

TEST(CreditsRoll, DesignedLayout) {
  Roll roll;
  TForm4& f = roll.form4;
  EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Paxamon - Credits"));
  EXPECT_EQ(f.HG->geometry(), QRect(124, 450, 511, 1550));
  EXPECT_EQ(f.HG->BorderWidth(), 1);
  EXPECT_EQ(f.Panel1->geometry(), QRect(0, 440, 760, 24));
  EXPECT_EQ(f.Panel1->Color(), clSilver);
  EXPECT_EQ(f.BI_GradientButton2->geometry(), QRect(647, 3, 110, 20));
  EXPECT_EQ(f.BI_GradientButton2->caption(), QStringLiteral(" Das Kino &verlassen"));
  EXPECT_FALSE(f.Timer1->Enabled());
  EXPECT_EQ(f.Timer1->Interval(), 1);
  EXPECT_EQ(f.pauseFlag(), 0);

  // 43 white, centred lines on the strip; the bar lies in front of it.
  const QList<TLabel*> lines = f.HG->findChildren<TLabel*>(Qt::FindDirectChildrenOnly);
  EXPECT_EQ(lines.size(), 43);
  for (const TLabel* l : lines) {
    EXPECT_EQ(l->FontColor(), clWhite);
    EXPECT_TRUE(l->Transparent());
    EXPECT_EQ(l->Alignment(), TAlignment::taCenter);
    EXPECT_FALSE(l->Caption().contains('&')) << l->Caption().toStdString();
  }
  EXPECT_GT(f.Client->children().indexOf(f.Panel1), f.Client->children().indexOf(f.HG));
  EXPECT_EQ(f.Client->geometry(), QRect(0, 0, 760, 464));
  EXPECT_EQ(f.Label34->Caption(),
            QStringLiteral("                             FAULTS      Someone else, but NOT me"));
  EXPECT_EQ(f.Label38->Caption(), QStringLiteral("or died by the producion of this program."));
  EXPECT_EQ(f.Label2->Caption(), QString(32, '_'));
  EXPECT_EQ(f.Label8->Caption(), QString(8, '_'));
  EXPECT_EQ(f.Label15->geometry(), QRect(0, 332, 513, 23));
  EXPECT_EQ(f.Label42->geometry(), QRect(8, 1488, 488, 35));
  EXPECT_EQ(f.Label43->font().pixelSize(), 9);
  EXPECT_TRUE(f.Label1->font().bold());
}

TEST(CreditsRoll, RollsToItsEndPausesAndStartsAgain) {
  Roll roll;
  roll.form4.FormShow();
  EXPECT_EQ(roll.top(), 450);
  // The 1 ms interval ticks every 10 ms, as on the platform designed for.
  EXPECT_EQ(roll.form4.Timer1->effectivePeriod(), TTimer::kMinimumPeriod);
  roll.form4.Timer1->setEnabled(false);  // the test ticks by hand

  roll.ticks(1);
  EXPECT_EQ(roll.top(), 448);
  roll.ticks(848);
  EXPECT_EQ(roll.top(), -1248);
  EXPECT_EQ(roll.form4.pauseFlag(), 0);
  roll.ticks(1);  // the 850th: the last line rests at y = 238
  EXPECT_EQ(roll.top(), -1250);
  EXPECT_EQ(roll.top() + roll.form4.Label42->y(), 238);
  EXPECT_EQ(roll.form4.pauseFlag(), 1);
  EXPECT_EQ(roll.form4.Timer1->Interval(), 3000);
  roll.ticks(1);  // after the pause: again from 450
  EXPECT_EQ(roll.top(), 448);
  EXPECT_EQ(roll.form4.pauseFlag(), 0);
  EXPECT_EQ(roll.form4.Timer1->Interval(), 1);
}

TEST(CreditsRoll, StripIsPaintedBetweenTheTwoMoves) {
  Roll roll;
  roll.form4.resize(760, 464);
  roll.form4.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&roll.form4));
  roll.form4.Timer1->setEnabled(false);
  QCoreApplication::processEvents();

  // Records the strip's top at every paint it receives.
  struct Recorder : QObject {
    std::vector<int> tops;
    bool eventFilter(QObject* o, QEvent* e) override {
      if (e->type() == QEvent::Paint) tops.push_back(static_cast<QWidget*>(o)->y());
      return false;
    }
  } recorder;
  roll.form4.HG->installEventFilter(&recorder);
  roll.ticks(1);
  EXPECT_EQ(recorder.tops, std::vector<int>{449});  // at once, before the second move
  EXPECT_EQ(roll.top(), 448);
  roll.form4.Button1Click();
}

TEST(CreditsRoll, LeavingAndShowingAgain) {
  Roll roll;
  roll.form4.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&roll.form4));
  EXPECT_TRUE(roll.form5.isVisible());
  EXPECT_TRUE(roll.form5.windowState() & Qt::WindowMaximized);
  roll.form4.Timer1->setEnabled(false);
  roll.ticks(850);
  ASSERT_EQ(roll.form4.pauseFlag(), 1);

  // Leaving during the pause hides both windows and stops the timer.
  roll.form4.Button1Click();
  EXPECT_FALSE(roll.form4.isVisible());
  EXPECT_FALSE(roll.form5.isVisible());
  EXPECT_FALSE(roll.form4.Timer1->Enabled());

  // Shown again: from 450, but the pause flag and 3-second interval stay,
  // so the first move comes after the pause and starts from 450.
  roll.form4.show();
  EXPECT_EQ(roll.top(), 450);
  EXPECT_TRUE(roll.form4.Timer1->Enabled());
  EXPECT_EQ(roll.form4.Timer1->effectivePeriod(), 3000);
  EXPECT_EQ(roll.form4.pauseFlag(), 1);
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

TEST(CreditsBackground, FramePlacementAndNoInput) {
  EXPECT_EQ(TForm5::framePlacement(QSize(1280, 1024), QSize(760, 464)), QRect(259, 278, 763, 467));
  // Halves truncate toward zero on a screen smaller than the roll.
  EXPECT_EQ(TForm5::framePlacement(QSize(640, 480), QSize(761, 464)), QRect(-61, 6, 764, 467));
  TForm5 form5;
  EXPECT_FALSE(form5.isEnabled());
  EXPECT_TRUE(form5.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form5.windowTitle(), QStringLiteral("Hintergrund für die Credits"));
}

TEST(CreditsRoll, LargerScreenShowsOnlyTheDesignArea) {
  Roll roll;
  roll.form4.resize(1000, 900);
  roll.ticks(200);  // the strip reaches from y = 50 far below the bar
  const QImage image = roll.form4.grab().toImage().convertToFormat(QImage::Format_RGB32);
  int lit = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((x >= 760 || y >= 464) && image.pixel(x, y) != qRgb(0, 0, 0)) ++lit;
  EXPECT_EQ(lit, 0);
  EXPECT_NE(image.pixel(700, 450), qRgb(0, 0, 0));  // the bar
}

TEST(CreditsRoll, Gallery) {
  Roll roll;
  roll.form4.resize(760, 464);
  roll.form4.HG->move(124, TForm4::kStartTop);
  for (int ticks : {0, 60, 250, 450, 700, 850}) {
    roll.ticks(ticks == 0 ? 0 : ticks - (450 - roll.top()) / 2);
    keep(roll.form4, QStringLiteral("credits-%1").arg(ticks));
  }
  EXPECT_EQ(roll.top(), -1250);
}

}  // namespace
}  // namespace paxamon
