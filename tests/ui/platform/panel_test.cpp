#include "ui/platform/panel.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "ui/platform/fonts.h"

namespace paxamon {
namespace {

QRgb at(const QImage& image, int x, int y) {
  return image.pixel(x, y) & RGB_MASK;
}

QRgb rgb(TColor color) {
  return toQColor(color).rgb() & RGB_MASK;
}

// The bounding box of the pixels that differ from background.
QRect inkBox(const QImage& image, QRgb background) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (at(image, x, y) != background) box |= QRect(x, y, 1, 1);
  return box;
}

TEST(Panel, RaisedWithBorderPaintsBevelThenBorderThenFace) {
  // The overview's header: raised, border width 2, aqua.
  TPanel panel;
  panel.resize(183, 25);
  panel.setColor(clAqua);
  panel.setBorderWidth(2);
  const QImage image = panel.grab().toImage();
  const QRgb light = rgb(clBtnHighlight), dark = rgb(clBtnShadow), aqua = rgb(clAqua);
  EXPECT_EQ(at(image, 0, 0), light);
  EXPECT_EQ(at(image, 100, 0), light);
  EXPECT_EQ(at(image, 0, 12), light);
  // The top-right and bottom-left corners belong to the shadow side.
  EXPECT_EQ(at(image, 182, 0), dark);
  EXPECT_EQ(at(image, 0, 24), dark);
  EXPECT_EQ(at(image, 182, 12), dark);
  EXPECT_EQ(at(image, 100, 24), dark);
  EXPECT_EQ(at(image, 1, 1), aqua);
  EXPECT_EQ(at(image, 2, 2), aqua);
  EXPECT_EQ(at(image, 181, 23), aqua);
  EXPECT_EQ(at(image, 90, 12), aqua);
  EXPECT_EQ(panel.contentRect(), QRect(3, 3, 177, 19));
}

TEST(Panel, LoweredOuterAndRaisedInnerBevelsOfWidthTwo) {
  TPanel panel;
  panel.resize(40, 30);
  panel.setColor(clWhite);
  panel.setBevelOuter(TPanelBevel::bvLowered);
  panel.setBevelInner(TPanelBevel::bvRaised);
  panel.setBevelWidth(2);
  panel.setBorderWidth(1);
  const QImage image = panel.grab().toImage();
  const QRgb light = rgb(clBtnHighlight), dark = rgb(clBtnShadow);
  // Outer rings 0 and 1 lowered, ring 2 the border, rings 3 and 4 raised.
  for (int ring : {0, 1}) {
    EXPECT_EQ(at(image, 20, ring), dark) << ring;
    EXPECT_EQ(at(image, 39 - ring, 15), light) << ring;
  }
  EXPECT_EQ(at(image, 20, 2), rgb(clWhite));
  for (int ring : {3, 4}) {
    EXPECT_EQ(at(image, ring, 15), light) << ring;
    EXPECT_EQ(at(image, 20, 29 - ring), dark) << ring;
  }
  EXPECT_EQ(at(image, 20, 15), rgb(clWhite));
  EXPECT_EQ(panel.contentRect(), QRect(5, 5, 30, 20));

  panel.setBevelOuter(TPanelBevel::bvNone);
  panel.setBevelInner(TPanelBevel::bvNone);
  panel.setBorderWidth(0);
  EXPECT_EQ(panel.grab().toImage().pixel(0, 0) & RGB_MASK, rgb(clWhite));
}

TEST(Panel, CaptionCentredAndAlignedWithinTheBevels) {
  TPanel panel;
  panel.resize(120, 40);
  panel.setColor(clWhite);
  panel.setBevelOuter(TPanelBevel::bvNone);
  panel.setFont(makeFont("Arial", 16));
  panel.setFontColor(clBlack);
  panel.setCaption("Test");
  const QRgb white = rgb(clWhite);
  const QRect plain = inkBox(panel.grab().toImage(), white);
  ASSERT_TRUE(plain.isValid());
  EXPECT_NEAR(plain.center().x(), 60, 2);
  EXPECT_NEAR(plain.center().y(), 20, 4);
  // An accelerator is underlined, not drawn as "&".
  panel.setCaption("&Test");
  const QRect centred = inkBox(panel.grab().toImage(), white);
  EXPECT_NEAR(centred.left(), plain.left(), 1);
  EXPECT_NEAR(centred.right(), plain.right(), 1);
  EXPECT_GT(centred.bottom(), plain.bottom());

  panel.setAlignment(TAlignment::taLeftJustify);
  panel.setBorderWidth(10);
  const QRect left = inkBox(panel.grab().toImage(), white);
  EXPECT_GE(left.left(), 10);
  EXPECT_LE(left.left(), 13);

  panel.setAlignment(TAlignment::taRightJustify);
  const QRect right = inkBox(panel.grab().toImage(), white);
  EXPECT_LE(right.right(), 109);
  EXPECT_GE(right.right(), 106);

  // A caption longer than the panel is cut at the border.
  panel.setCaption("A caption far too long for the panel");
  const QRect cut = inkBox(panel.grab().toImage(), white);
  EXPECT_GE(cut.left(), 10);
  EXPECT_LE(cut.right(), 109);
}

TEST(Panel, ChildrenSitInsideAndPaintOverIt) {
  TPanel panel;
  panel.resize(50, 20);
  panel.setColor(clAqua);
  QWidget child(&panel);
  child.setGeometry(10, 4, 5, 5);
  child.setAutoFillBackground(true);
  QPalette palette;
  palette.setColor(QPalette::Window, Qt::red);
  child.setPalette(palette);
  const QImage image = panel.grab().toImage();
  EXPECT_EQ(at(image, 12, 6), qRgb(255, 0, 0) & RGB_MASK);
  EXPECT_EQ(at(image, 20, 6), rgb(clAqua));
}

}  // namespace
}  // namespace paxamon
