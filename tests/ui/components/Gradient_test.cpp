#include "ui/components/Gradient.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/platform/fonts.h"

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
  // Bands of 5 rows; the running colour is never reset to a band's colour.
  TGradient g;
  setColors(g, {rgbColor(0, 0, 0), rgbColor(100, 0, 0), rgbColor(100, 200, 0)}, 2, 1);
  const QImage one = fill(g, 8, 10);
  EXPECT_EQ(rgbAt(one, 7, 4), "80,0,0");
  EXPECT_EQ(rgbAt(one, 0, 5), "80,40,0");
  EXPECT_EQ(rgbAt(one, 0, 9), "80,200,0");
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
    setColors(g, colors, 1, 2);  // one band is Color1 throughout
    EXPECT_EQ(rgbAt(fill(g, 30, 30), 15, 15), "255,0,0") << int(style);
  }
}

TEST(GradientFill, TheMainWindowsBackgroundRebuiltAtItsSize) {
  // Channels round to the nearest, halves to even.
  EXPECT_EQ(ClampChannel(2.5f), 2);
  EXPECT_EQ(MakeColor(-7, 2.7f, 300), 0xFF0300u);
  TDfGradient control;
  setColors(*control.gradient(), {clBlack, clBlack, clBlack, clBlack, clGray}, 4, 1);
  control.resize(425, 193);
  QImage shot(control.size(), QImage::Format_RGB32);
  control.render(&shot);
  EXPECT_EQ(control.picture().size(), QSize(425, 193));
  EXPECT_EQ(rgbAt(shot, 424, 143), "0,0,0");
  EXPECT_EQ(rgbAt(shot, 200, 144), "3,3,3");
  EXPECT_EQ(rgbAt(shot, 9, 191), "128,128,128");
}

// Pixel by pixel against the glyphs of the same text drawn plainly.
TEST(TextEffects, TheShadowFollowsTheGlyphsOffsetByItsLength) {
  const QRgb back = qRgb(10, 20, 30), text = qRgb(255, 0, 0), shadow = qRgb(0, 255, 0);
  const auto paint = [&](const std::function<void(QPainter&)>& draw) {
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(back);
    QPainter canvas(&image);
    QFont font = makeFont(QStringLiteral("Arial"), 20, {.bold = true});
    font.setStyleStrategy(QFont::NoAntialias);
    canvas.setFont(font);
    canvas.setPen(QColor(text));
    draw(canvas);
    return image;
  };
  const QImage plain =
      paint([](QPainter& c) { c.drawText(QPoint(20, 10 + c.fontMetrics().ascent()), "Ag"); });
  const QImage shadowed =
      paint([&](QPainter& c) { DrawShadowText(c, 20, 10, "Ag", fromQColor(shadow), 3, 2); });
  const auto glyph = [&](int x, int y) { return plain.valid(x, y) && plain.pixel(x, y) == text; };
  int wrong = 0;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x)
      wrong += shadowed.pixel(x, y) != (glyph(x, y) ? text : glyph(x - 3, y - 2) ? shadow : back);
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace paxamon
