#include "ui/auxiliary/UAbout.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include "ui/auxiliary/UPlay.h"
#include "ui/auxiliary/Uhg.h"
#include "ui/components/ArtLabel.h"
#include "ui/platform/controls.h"
#include "ui/platform/image.h"
#include "ui/platform/panel.h"

namespace paxamon {
namespace {

// The box and the credits roll, wired as at program start. Whenever the
// roll comes up, it is counted and left again.
struct AboutBox : QObject {
  TAbout about;
  TForm4 form4;
  TForm5 form5;
  int rollsShown = 0;
  bool aboutBeneathRoll = false;

  AboutBox() {
    about.setCreditsWindow(&form4);
    form4.setBackground(&form5);
    form4.BusyWaitRounds = 0;
    form4.installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      ++rollsShown;
      aboutBeneathRoll = about.isVisible();
      QTimer::singleShot(0, &form4, [this] { form4.Button1Click(); });
    }
    return false;
  }
};

TEST(AboutBoxTest, CardPicture) {
  AboutBox box;
  TAbout& a = box.about;
  const QImage card = a.grab().toImage().convertToFormat(QImage::Format_RGB32);
  // The picture is shown uncut from its corner; the icon is centred.
  EXPECT_EQ(card.pixel(2 + 200, 2 + 10), a.Image1->Picture().pixel(200, 10));
  EXPECT_EQ(card.pixel(2 + 243, 2 + 107), a.Image1->Picture().pixel(243, 107));
  const QImage& icon = a.ProgramIcon->Picture();
  EXPECT_EQ(icon.size(), QSize(32, 32));
  QImage iconOverCard = card.copy(16, 24, 32, 32);
  QPainter(&iconOverCard).drawImage(0, 0, icon);
  EXPECT_TRUE(iconOverCard == card.copy(16, 24, 32, 32));
  // The version line sized itself to its text, as designed; the art labels
  // let the picture through beside their glyphs.
  EXPECT_EQ(a.ArtLabel1->size(), QSize(148, 27));
  EXPECT_EQ(card.pixel(46 + 170, 3), a.Image1->Picture().pixel(46 + 170 - 2, 1));
}

TEST(AboutBoxTest, KeysAndMouseButtons) {
  AboutBox box;
  TAbout& a = box.about;
  // Character keys close the box; arrows, function keys and Shift do not.
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_A}) {
    a.show();
    QTest::keyClick(&a, key);
    EXPECT_FALSE(a.isVisible()) << key;
  }
  a.show();
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_F5, Qt::Key_Shift})
    QTest::keyClick(&a, key);
  EXPECT_TRUE(a.isVisible());
  EXPECT_EQ(box.rollsShown, 0);

  // A left click anywhere closes it. A right press on the picture, icon or
  // texts plays the roll over it, and the box goes once the roll is left;
  // the panel's uncovered border has no press handler.
  for (QWidget* target : std::initializer_list<QWidget*>{a.Titel, a.ArtLabel1, a.Image1,
                                                         a.ProgramIcon, a.Copyright, a.Panel1}) {
    const char* name = target->metaObject()->className();
    const int rolls = box.rollsShown;
    a.show();
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(a.isVisible()) << name;
    const bool plays = target != a.Panel1;
    box.aboutBeneathRoll = false;
    a.show();
    QTest::mousePress(target, Qt::RightButton, {}, QPoint(1, 1));
    EXPECT_EQ(box.rollsShown, rolls + plays) << name;
    EXPECT_EQ(box.aboutBeneathRoll, plays) << name;
    EXPECT_EQ(a.isVisible(), !plays) << name;
    QTest::mouseRelease(target, Qt::RightButton, {}, QPoint(1, 1));
    a.close();
  }
}

}  // namespace
}  // namespace paxamon
