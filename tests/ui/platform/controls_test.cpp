#include "ui/platform/controls.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "ui/platform/fonts.h"
#include "ui/platform/image.h"

namespace paxamon {
namespace {

QColor at(QWidget& widget, int x, int y) {
  return widget.grab().toImage().pixelColor(x, y);
}

TEST(Controls, WordWrapPutsEachAddressNumberOnItsOwnLine) {
  // The main window's address columns: 25 pixels of "Courier New" 15 px.
  const QFontMetrics metrics(makeFont(QStringLiteral("Courier New"), 15));
  const QStringList left =
      wrapText(QStringLiteral(" 0  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15"), metrics, 25);
  const QStringList right =
      wrapText(QStringLiteral("16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31"), metrics, 25);
  ASSERT_EQ(left.size(), 16);
  ASSERT_EQ(right.size(), 16);
  for (int row = 0; row < 16; ++row) {
    EXPECT_EQ(left[row].trimmed(), QString::number(row));
    EXPECT_EQ(right[row], QString::number(16 + row));
  }
  // A word wider than the line stands alone; blanks after a break stay.
  EXPECT_EQ(wrapText(QStringLiteral("abcdef g"), metrics, 25), (QStringList{"abcdef", "g"}));
  EXPECT_EQ(wrapText(QStringLiteral("a   b"), metrics, 25), (QStringList{"a ", " b"}));
}

TEST(Controls, EditFieldShowsTextUpperCasedInItsSunkenEdgeAndTakesNoFocus) {
  TEdit field, plain;
  for (TEdit* e : {&field, &plain}) {
    e->resize(70, 21);
    e->setFont(makeFont(QStringLiteral("Courier"), 11));
  }
  field.setUpperCase(true);
  field.setText(QStringLiteral("lda5"));
  plain.setText(QStringLiteral("LDA5"));
  EXPECT_EQ(field.Text(), "lda5");  // kept as given, shown upper-cased
  EXPECT_EQ(field.grab().toImage(), plain.grab().toImage());
  EXPECT_EQ(at(field, 0, 0), toQColor(clBtnShadow));
  EXPECT_EQ(at(field, 1, 1), toQColor(cl3DDkShadow));
  EXPECT_EQ(at(field, 69, 20), toQColor(clBtnHighlight));
  EXPECT_EQ(at(field, 68, 19), toQColor(cl3DLight));
  EXPECT_EQ(at(field, 60, 10), toQColor(clWindow));
  EXPECT_EQ(field.focusPolicy(), Qt::NoFocus);
}

TEST(Controls, GroupBoxCaptionInterruptsTheEtchedFrame) {
  TGroupBox box(QStringLiteral(" Rechenwerk "));
  box.resize(113, 89);
  box.setFont(makeFont(QStringLiteral("Arial"), 13, {.bold = true}));
  box.setColor(clBlack);
  box.setFontColor(clLime);
  const int line = QFontMetrics(box.font()).height() / 2 - 1;
  EXPECT_EQ(at(box, 4, line), toQColor(clBtnShadow));  // the frame left of the caption
  EXPECT_EQ(at(box, 5, line + 1), toQColor(clBtnHighlight));
  EXPECT_EQ(at(box, 110, line), toQColor(clBtnShadow));  // and right of it
  EXPECT_EQ(at(box, 0, 50), toQColor(clBtnShadow));
  EXPECT_EQ(at(box, 9, line), toQColor(clBlack));  // the caption's ground
  EXPECT_EQ(at(box, 50, 50), toQColor(clBlack));
}

TEST(Controls, ImageShowsItsPictureAndReportsClicksInside) {
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::red);
  TImage image;
  image.resize(10, 10);
  image.setPicture(picture);
  EXPECT_EQ(at(image, 0, 0), QColor(Qt::red));  // natural size from the corner
  EXPECT_NE(at(image, 5, 5), QColor(Qt::red));
  image.setCenter(true);
  EXPECT_EQ(at(image, 5, 5), QColor(Qt::red));
  EXPECT_NE(at(image, 0, 0), QColor(Qt::red));
  image.setStretch(true);
  EXPECT_EQ(at(image, 9, 9), QColor(Qt::red));

  QSignalSpy clicks(&image, &TGraphicControl::clicked);
  QSignalSpy downs(&image, &TGraphicControl::mouseDown);
  QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseClick(&image, Qt::RightButton, {}, QPoint(3, 3));
  // Pressed inside, released outside: no click.
  QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(30, 3));
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(downs.count(), 3);
  EXPECT_EQ(downs.at(1).at(0).value<Qt::MouseButton>(), Qt::RightButton);
}

}  // namespace
}  // namespace paxamon
