#include "ui/auxiliary/UAbout.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <QTimer>

#include "ui/auxiliary/UPlay.h"
#include "ui/auxiliary/Uhg.h"
#include "ui/components/ArtLabel.h"
#include "ui/components/bi_btns.h"
#include "ui/platform/controls.h"
#include "ui/platform/image.h"
#include "ui/platform/panel.h"

namespace paxamon {
namespace {

// The box and the credits roll, wired as at program start.
struct AboutBox {
  TAbout about;
  TForm4 form4;
  TForm5 form5;
  int rollsShown = 0;
  bool aboutVisibleDuringRoll = false;

  AboutBox() {
    about.setCreditsWindow(&form4);
    form4.setBackground(&form5);
    form4.BusyWaitRounds = 0;
    // Whenever the roll comes up, note it and leave it again.
    form4.installEventFilter(&leaver);
    leaver.box = this;
  }

  struct Leaver : QObject {
    AboutBox* box = nullptr;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Show) {
        ++box->rollsShown;
        box->aboutVisibleDuringRoll = box->about.isVisible();
        QTimer::singleShot(0, &box->form4, [this] { box->form4.Button1Click(); });
      }
      return false;
    }
  } leaver;

  void show() {
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  }
};

TEST(AboutBoxTest, CardPicture) {
  AboutBox box;
  TAbout& a = box.about;
  // The picture is shown uncut from its corner; the icon is centred.
  const QImage card = a.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(card.pixel(2 + 200, 2 + 10), a.Image1->Picture().pixel(200, 10));
  EXPECT_EQ(card.pixel(2 + 243, 2 + 107), a.Image1->Picture().pixel(243, 107));
  const QImage icon = a.ProgramIcon->Picture().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(icon.size(), QSize(32, 32));
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (qAlpha(icon.pixel(x, y)) == 255) {
        EXPECT_EQ(card.pixel(8 + 8 + x, 16 + 8 + y), icon.pixel(x, y) | 0xFF000000u);
      }
  // The version line sized itself to its text, as designed.
  EXPECT_EQ(a.ArtLabel1->size(), QSize(148, 27));
  // The art labels let the picture through beside their glyphs.
  EXPECT_EQ(card.pixel(46 + 170, 3), a.Image1->Picture().pixel(46 + 170 - 2, 1));
  const QString folder = qEnvironmentVariable("PAXAMON_GALLERY");
  if (!folder.isEmpty()) {
    QDir().mkpath(folder);
    card.scaled(card.size() * 3).save(QDir(folder).filePath("about.png"));
  }
}

TEST(AboutBoxTest, CharacterKeysAndLeftClicksCloseWithoutCredits) {
  AboutBox box;
  TAbout& a = box.about;
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_A}) {
    box.show();
    QTest::keyClick(&a, key);
    EXPECT_FALSE(a.isVisible()) << key;
  }
  for (QWidget* target : std::initializer_list<QWidget*>{a.Titel, a.ArtLabel1, a.Image1,
                                                         a.ProgramIcon, a.Copyright, a.Panel1}) {
    box.show();
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(a.isVisible()) << target->metaObject()->className();
  }
  box.show();
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_F5, Qt::Key_Shift})
    QTest::keyClick(&a, key);
  EXPECT_TRUE(a.isVisible());
  EXPECT_EQ(box.rollsShown, 0);
  a.close();
}

TEST(AboutBoxTest, RightPressStartsTheCreditsOverTheBox) {
  AboutBox box;
  TAbout& a = box.about;
  int expected = 0;
  for (QWidget* target : std::initializer_list<QWidget*>{a.Image1, a.ProgramIcon, a.Copyright,
                                                         a.Titel, a.ArtLabel1}) {
    box.show();
    QTest::mousePress(target, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(box.rollsShown, ++expected) << target->metaObject()->className();
    EXPECT_TRUE(box.aboutVisibleDuringRoll);
    EXPECT_FALSE(a.isVisible());  // gone once the roll was left
    QTest::mouseRelease(target, Qt::RightButton, {}, QPoint(5, 5));
  }
  // The panel's uncovered border has no press handler.
  box.show();
  QTest::mousePress(a.Panel1, Qt::RightButton, {}, QPoint(1, 50));
  QTest::mouseRelease(a.Panel1, Qt::RightButton, {}, QPoint(1, 50));
  EXPECT_TRUE(a.isVisible());
  EXPECT_EQ(box.rollsShown, expected);
  a.close();
}

}  // namespace
}  // namespace paxamon
