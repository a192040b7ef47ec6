#include "ui/platform/panel.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "ui/platform/fonts.h"

namespace paxamon {
namespace {

// Expects the colour at every point of a picture of the widget.
void expectAt(QWidget& widget, std::initializer_list<QPoint> points, TColor color) {
  const QImage image = widget.grab().toImage();
  for (QPoint p : points)
    EXPECT_EQ(QColor(image.pixel(p)), toQColor(color)) << p.x() << "," << p.y();
}

TEST(Panel, PaintsBevelsThenBorderThenFaceAndChildrenOverIt) {
  // The overview's header: raised, border width 2, aqua. The top-right and
  // bottom-left corners belong to the shadow side.
  TPanel panel;
  panel.resize(183, 25);
  panel.setColor(clAqua);
  panel.setBorderWidth(2);
  expectAt(panel, {{0, 0}, {100, 0}, {0, 12}}, clBtnHighlight);
  expectAt(panel, {{182, 0}, {0, 24}, {182, 12}, {100, 24}}, clBtnShadow);
  expectAt(panel, {{1, 1}, {2, 2}, {181, 23}, {90, 12}}, clAqua);
  EXPECT_EQ(panel.contentRect(), QRect(3, 3, 177, 19));
  QWidget child(&panel);
  child.setGeometry(10, 4, 5, 5);
  child.setAutoFillBackground(true);
  child.setPalette(QPalette(Qt::red));
  expectAt(panel, {{12, 6}}, clRed);

  // Outer rings 0 and 1 lowered, ring 2 the border, rings 3 and 4 raised.
  panel.resize(40, 30);
  panel.setColor(clWhite);
  panel.setBevelOuter(TPanelBevel::bvLowered);
  panel.setBevelInner(TPanelBevel::bvRaised);
  panel.setBevelWidth(2);
  panel.setBorderWidth(1);
  child.hide();
  expectAt(panel, {{20, 0}, {20, 1}, {20, 26}, {20, 25}}, clBtnShadow);
  expectAt(panel, {{39, 15}, {38, 15}, {3, 15}, {4, 15}}, clBtnHighlight);
  expectAt(panel, {{20, 2}, {20, 15}}, clWhite);
  EXPECT_EQ(panel.contentRect(), QRect(5, 5, 30, 20));
  panel.setBevelOuter(TPanelBevel::bvNone);
  panel.setBevelInner(TPanelBevel::bvNone);
  panel.setBorderWidth(0);
  expectAt(panel, {{0, 0}}, clWhite);
}

TEST(Panel, CaptionCentredWithItsAcceleratorUnderlined) {
  TPanel panel;
  panel.resize(120, 40);
  panel.setColor(clWhite);
  panel.setFont(makeFont("Arial", 16));
  panel.setFontColor(clBlack);
  // The bounding box of the caption's pixels inside the bevel.
  const auto ink = [&](const QString& caption) {
    panel.setCaption(caption);
    const QImage image = panel.grab().toImage();
    QRect box;
    for (int y = 1; y < image.height() - 1; ++y)
      for (int x = 1; x < image.width() - 1; ++x)
        if ((image.pixel(x, y) & RGB_MASK) != 0xFFFFFFu) box |= QRect(x, y, 1, 1);
    return box;
  };
  const QRect plain = ink("Test"), marked = ink("&Test");
  EXPECT_NEAR(plain.center().x(), 60, 2);
  EXPECT_NEAR(plain.center().y(), 20, 4);
  EXPECT_NEAR(marked.left(), plain.left(), 1);
  EXPECT_NEAR(marked.right(), plain.right(), 1);
  EXPECT_GT(marked.bottom(), plain.bottom());
}

}  // namespace
}  // namespace paxamon
