#include "ui/platform/drawing.h"

#include <gtest/gtest.h>

#include "ui/platform/fonts.h"

namespace paxamon {
namespace {

TEST(Drawing, AcceleratorCharacter) {
  EXPECT_EQ(accelChar(" &Ausführen"), QChar('A'));
  EXPECT_EQ(accelChar(" Das Kino &verlassen"), QChar('v'));
  EXPECT_TRUE(accelChar("Ende&").isNull());
  EXPECT_TRUE(accelChar("Ende").isNull());
  const QFont font = makeFont("MS Sans Serif", 11);
  EXPECT_GT(textExtent(font, "&Ende").width(), textExtent(font, "Ende").width());
}

TEST(Drawing, AcceleratorUnderlineAndNoClip) {
  QFont font = makeFont("MS Sans Serif", 11);
  font.setStyleStrategy(QFont::NoAntialias);
  const auto draw = [&](const QString& text) {
    QImage image(60, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    drawAccelText(painter, QPoint(2, 2), text);
    return image;
  };
  const QImage plain = draw("Ende"), marked = draw("&Ende"), escaped = draw("a&&b");
  // Same letters, plus an underline row below the E.
  int extra = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 60; ++x)
      extra += (marked.pixel(x, y) != plain.pixel(x, y));
  EXPECT_GE(extra, 4);
  EXPECT_NE(escaped, draw("ab"));                  // "&&" shows one "&"
  EXPECT_NE(draw("EndeEndeEndeEndeEnde"), plain);  // runs on past any box
}

TEST(Drawing, EdgesTransparencyAndDepth) {
  QImage image(6, 4, QImage::Format_RGB32);
  image.fill(Qt::blue);
  QPainter painter(&image);
  drawEdgeLines(painter, QRect(0, 0, 6, 4), Qt::white, Qt::black);
  EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(5, 0), qRgb(0, 0, 0));  // corners take the bottom-right colour
  EXPECT_EQ(image.pixel(0, 3), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 255));

  QImage glyph(2, 1, QImage::Format_RGB32);
  glyph.setPixel(0, 0, qRgb(0, 255, 0));
  glyph.setPixel(1, 0, qRgb(255, 0, 0));
  drawTransparent(painter, QPoint(2, 2), glyph, qRgb(0, 255, 0));
  painter.end();
  EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(3, 2), qRgb(255, 0, 0));

  overrideDisplayColorDepth(8);
  EXPECT_EQ(displayColorDepth(), 8);
  overrideDisplayColorDepth(0);
  EXPECT_GE(displayColorDepth(), 16);
}

}  // namespace
}  // namespace paxamon
