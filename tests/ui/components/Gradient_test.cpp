#include "ui/components/Gradient.h"

#include <gtest/gtest.h>

#include <QDir>
#include <string>
#include <vector>

namespace paxamon {
namespace {

std::string rgbAt(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return std::to_string(qRed(p)) + "," + std::to_string(qGreen(p)) + "," + std::to_string(qBlue(p));
}

// The gradient painted on magenta.
QImage fill(const TGradient& gradient, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter canvas(&image);
  GradientFill(canvas, QRect(0, 0, width, height), gradient);
  return image;
}

void setColors(TGradient& g, std::vector<TColor> colors, int count, int lineSize) {
  for (std::size_t i = 0; i < colors.size(); ++i)
    g.setProperty(("Color" + std::to_string(i + 1)).c_str(), QVariant::fromValue(colors[i]));
  g.setColorCount(count);
  g.setLineSize(lineSize);
}

TEST(GradientFill, LineFillRunsOnAcrossBands) {
  TGradient g;
  setColors(g, {rgbColor(0, 0, 0), rgbColor(100, 0, 0), rgbColor(100, 200, 0)}, 2, 1);
  const QImage one = fill(g, 8, 10);
  const char* rows[] = {"0,0,0",   "20,0,0",  "40,0,0",   "60,0,0",   "80,0,0",
                        "80,40,0", "80,80,0", "80,120,0", "80,160,0", "80,200,0"};
  for (int y = 0; y < 10; ++y) {
    EXPECT_EQ(rgbAt(one, 0, y), rows[y]) << "row " << y;
    EXPECT_EQ(rgbAt(one, 7, y), rows[y]) << "row " << y;
  }
  g.setLineSize(3);
  const QImage three = fill(g, 8, 10);
  EXPECT_EQ(rgbAt(three, 3, 2), "0,0,0");
  EXPECT_EQ(rgbAt(three, 3, 3), "60,0,0");
  EXPECT_EQ(rgbAt(three, 3, 6), "60,120,0");
  EXPECT_EQ(rgbAt(three, 3, 9), "60,240,0");  // green runs past Color3

  // The main window's background.
  setColors(g, {clBlack, clBlack, clBlack, clBlack, clGray}, 4, 1);
  const QImage image = fill(g, 425, 193);
  EXPECT_EQ(rgbAt(image, 424, 143), "0,0,0");
  EXPECT_EQ(rgbAt(image, 200, 144), "3,3,3");
  EXPECT_EQ(rgbAt(image, 9, 191), "128,128,128");
  g.setLineDirection(diVertical);
  EXPECT_EQ(rgbAt(fill(g, 193, 5), 191, 0), "128,128,128");
}

TEST(GradientFill, ConcentricStyles) {
  TGradient g;
  setColors(g, {rgbColor(0, 0, 0), rgbColor(200, 0, 0), rgbColor(200, 0, 200)}, 2, 2);
  g.setGradientStyle(gsRect);
  const QImage rect = fill(g, 40, 40);
  EXPECT_EQ(rgbAt(rect, 0, 39), "0,0,0");               // first step along the left edge
  EXPECT_EQ(rgbAt(rect, 39, 2), "40,0,0");              // second step along the top
  EXPECT_EQ(rgbAt(rect, 20, 20), rgbAt(rect, 39, 39));  // last step fills to the corner
  EXPECT_EQ(rgbAt(rect, 39, 39), "160,0,200");          // red kept from band 1

  g.setGradientStyle(gsCustomRect);  // without OnDrawRect: as gsRect
  EXPECT_EQ(fill(g, 40, 40), rect);
  std::vector<QRect> shapes;
  g.setOnDrawRect([&](QObject* sender, QPainter& canvas, const QRect& r) {
    canvas.drawRect(r);
    if (!sender) shapes.push_back(r);
  });
  fill(g, 40, 40);
  ASSERT_EQ(shapes.size(), 10u);
  EXPECT_EQ(shapes[1], QRect(QPoint(2, 2), QPoint(39, 39)));

  // The band follows the longer side, so a wide area stays in band 1.
  g.setGradientStyle(gsEllipse);
  g.setLineSize(1);
  const QImage wide = fill(g, 20, 10);
  EXPECT_EQ(rgbAt(wide, 10, 5), "160,0,0");   // fifth step: 4 x 200/5
  EXPECT_EQ(rgbAt(wide, 0, 0), "255,0,255");  // corners untouched
}

TEST(GradientFill, OddSettingsPaintSafely) {
  TGradient g;
  const std::vector<TColor> colors = {clRed, clBlue, clLime, clWhite, clYellow};
  for (TGradientStyle style : {gsLine, gsEllipse, gsRect, gsCustomRect}) {
    g.setGradientStyle(style);
    for (int lineSize : {0, -4, 1})
      for (int count : {0, -2, 1, 4, 9, 1000}) {
        setColors(g, colors, count, lineSize);
        for (QSize size : {QSize(3, 3), QSize(1, 7), QSize(7, 1), QSize(40, 30)})
          fill(g, size.width(), size.height());
      }
    // One band is Color1 throughout.
    setColors(g, colors, 1, 2);
    const QImage one = fill(g, 30, 30);
    EXPECT_EQ(rgbAt(one, 15, 15), "255,0,0") << int(style);
    if (style != gsEllipse) {
      EXPECT_EQ(rgbAt(one, 1, 29), "255,0,0") << int(style);
    }
  }
  // A band of zero length still starts with Color1.
  setColors(g, colors, 4, 1);
  g.setGradientStyle(gsLine);
  EXPECT_EQ(rgbAt(fill(g, 8, 2), 0, 0), "255,0,0");
  // Right or bottom 0, or no picture to tile: nothing.
  QImage image(10, 10, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter canvas(&image);
  GradientFill(canvas, QRect(-5, 0, 5, 10), g);
  TileBitmap(canvas, QImage(), QRect(0, 0, 10, 10));
  canvas.end();
  EXPECT_EQ(image.pixel(0, 0), QColor(Qt::magenta).rgb());
}

TEST(GradientColors, RoundingAndLightening) {
  EXPECT_EQ(ClampChannel(2.5f), 2);
  EXPECT_EQ(ClampChannel(3.5f), 4);
  EXPECT_EQ(MakeColor(-7, 2, 300), 0xFF0200u);
  EXPECT_EQ(LightenColor(clBtnFace, 50), rgbColor(255, 255, 250));
  EXPECT_EQ(DarkenColor(rgbColor(10, 100, 200), 20), rgbColor(0, 80, 180));
}

TEST(TGradientTest, WritesCompareAndAnnounceAssignValuesCopiesWithoutConnections) {
  TGradient g, other;
  int announced = 0;
  QObject::connect(&g, &TGradient::changed, [&] { ++announced; });
  g.setLineSize(3);  // the default: no announcement
  g.setColor1(clGray);
  g.setColorCount(3);
  EXPECT_EQ(announced, 0);
  g.setLineSize(5);
  g.setLineDirection(diVertical);
  EXPECT_EQ(announced, 2);
  QObject::connect(&other, &TGradient::changed, [] { FAIL() << "connection copied"; });
  g.AssignValues(other);  // announces once even when nothing differs,
  g.AssignValues(other);  // and leaves the connections alone
  EXPECT_TRUE(announced == 4 && g.lineSize() == 3);
}

TEST(TDfGradientTest, CopiesTheGradientRebuildsWhenPaintedAndShowsColor) {
  TDfGradient control;
  TGradient other;
  other.setGradientStyle(gsEllipse);
  other.setColor1(clBlue);
  control.setGradient(&other);
  other.setColor1(clRed);  // no effect on the control
  EXPECT_EQ(control.gradient()->color1(), clBlue);

  const QSize before = control.picture().size();
  control.resize(60, 40);  // rebuilds nothing until painted
  EXPECT_EQ(control.picture().size(), before);
  QImage shot(control.size(), QImage::Format_RGB32);
  control.render(&shot);
  EXPECT_EQ(control.picture().size(), QSize(60, 40));
  control.setColor(clYellow);
  control.render(&shot);
  EXPECT_EQ(rgbAt(shot, 0, 0), "255,255,0");  // Color in the corners
  EXPECT_EQ(rgbAt(shot, 2, 20), "0,0,255");   // first ellipse step
  control.setColor(clWindow);                 // system colour resolved
  control.render(&shot);
  EXPECT_EQ(rgbAt(shot, 0, 0), "255,255,255");

  // Each style, and the line style vertical.
  setColors(*control.gradient(), {clNavy, clAqua, clPurple, clYellow, clGreen}, 4, 3);
  for (int style = 0; style < 5; ++style) {
    control.gradient()->setGradientStyle(TGradientStyle(style % 4));
    control.gradient()->setLineDirection(style == 4 ? diVertical : diHorizonal);
    control.render(&shot);
    EXPECT_EQ(rgbAt(shot, 1, 1), style == gsEllipse ? "255,255,255" : "0,0,128");
  }
}

}  // namespace
}  // namespace paxamon
