// The custom-drawn controls: texts, pictures and edges.
#include "ui/platform/controls.h"

#include <gtest/gtest.h>

#include "ui/platform/fonts.h"
#include "ui/platform/image.h"
#include "ui/platform/panel.h"

namespace paxamon {
namespace {

QColor at(QWidget& widget, int x, int y) {
  return widget.grab().toImage().pixelColor(x, y);
}

// Expects the colour at every point of a picture of the widget.
void expectAt(QWidget& widget, std::initializer_list<QPoint> points, TColor color) {
  const QImage image = widget.grab().toImage();
  for (QPoint p : points)
    EXPECT_EQ(image.pixelColor(p), toQColor(color)) << p.x() << "," << p.y();
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

TEST(Controls, EditFieldShowsItsTextUpperCasedInASunkenEdge) {
  TEdit field, plain;
  for (TEdit* e : {&field, &plain}) {
    e->resize(70, 21);
    e->setFont(makeFont(QStringLiteral("Courier"), 11));
  }
  field.setUpperCase(true);
  field.setText(QStringLiteral("lda5"));
  plain.setText(QStringLiteral("LDA5"));
  EXPECT_EQ(field.Text(), "lda5");  // kept as given
  EXPECT_EQ(field.grab().toImage(), plain.grab().toImage());
  expectAt(field, {{1, 1}}, cl3DDkShadow);  // the inner ring, dark above
  expectAt(field, {{68, 19}}, cl3DLight);
}

TEST(Controls, GroupBoxCaptionInterruptsTheEtchedFrame) {
  TGroupBox box(QStringLiteral(" Rechenwerk "));
  box.resize(113, 89);
  box.setFont(makeFont(QStringLiteral("Arial"), 13, {.bold = true}));
  box.setColor(clBlack);
  const int line = QFontMetrics(box.font()).height() / 2 - 1;
  expectAt(box, {{4, line}, {110, line}}, clBtnShadow);  // left and right of the caption
  expectAt(box, {{5, line + 1}}, clBtnHighlight);
  expectAt(box, {{9, line}}, clBlack);  // the caption's ground
}

TEST(Controls, ImageShowsItsPictureFromTheCornerCentredOrStretched) {
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::red);
  TImage image;
  image.resize(10, 10);
  image.setPicture(picture);
  EXPECT_TRUE(at(image, 0, 0) == Qt::red && at(image, 5, 5) != Qt::red);
  image.setCenter(true);
  EXPECT_TRUE(at(image, 0, 0) != Qt::red && at(image, 5, 5) == Qt::red);
  image.setStretch(true);
  EXPECT_EQ(at(image, 9, 9), QColor(Qt::red));
}

TEST(Panel, BevelsAndBorderFromTheOutsideIn) {
  // Outer rings 0 and 1 lowered, ring 2 the border, rings 3 and 4 raised;
  // the top-right and bottom-left corners belong to the lower-right side.
  TPanel panel;
  panel.resize(40, 30);
  panel.setColor(clWhite);
  panel.setBevelOuter(TPanelBevel::bvLowered);
  panel.setBevelInner(TPanelBevel::bvRaised);
  panel.setBevelWidth(2);
  panel.setBorderWidth(1);
  expectAt(panel, {{20, 0}, {20, 1}, {20, 26}}, clBtnShadow);
  expectAt(panel, {{39, 0}, {0, 29}, {38, 15}, {3, 15}}, clBtnHighlight);
  expectAt(panel, {{20, 2}, {20, 15}}, clWhite);
}

}  // namespace
}  // namespace paxamon
