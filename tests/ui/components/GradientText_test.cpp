// The text effects of the gradient module, checked pixel by pixel against
// the glyph shape of the same text drawn plainly.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "ui/components/Gradient.h"
#include "ui/platform/fonts.h"

namespace paxamon {
namespace {

const QRgb kBack = qRgb(10, 20, 30);
const QRgb kText = qRgb(255, 0, 0);

QFont testFont() {
  QFont font = makeFont(QStringLiteral("Arial"), 20, {.bold = true});
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

// A 60 x 40 canvas in kBack, painted by draw with the test font and kText.
QImage paint(const std::function<void(QPainter&)>& draw) {
  QImage image(60, 40, QImage::Format_RGB32);
  image.fill(kBack);
  QPainter canvas(&image);
  canvas.setFont(testFont());
  canvas.setPen(QColor(kText));
  draw(canvas);
  return image;
}

// The glyph pixels of "Ag" at (20, 10), plain.
const QImage& glyphs() {
  static const QImage plain = paint([](QPainter& c) {
    c.drawText(QPoint(20, 10 + c.fontMetrics().ascent()), QStringLiteral("Ag"));
  });
  return plain;
}

bool glyphAt(int x, int y) {
  return glyphs().valid(x, y) && glyphs().pixel(x, y) == kText;
}

// Every pixel of image against the colour expect gives for it.
void expectEachPixel(const QImage& image, const std::function<QRgb(int, int)>& expect) {
  int wrong = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != (expect(x, y) | 0xFF000000u) && ++wrong <= 3)
        ADD_FAILURE() << "pixel " << x << "," << y;
  EXPECT_EQ(wrong, 0);
}

TEST(TextEffects, ShadowOutlineAnd3DFollowTheGlyphs) {
  const QRgb shadow = qRgb(0, 255, 0), outline = qRgb(0, 0, 255);
  expectEachPixel(paint([&](QPainter& c) {
                    DrawShadowText(c, 20, 10, QStringLiteral("Ag"), fromQColor(shadow), 3, 2);
                    EXPECT_EQ(c.pen().color().rgb(), kText);  // text colour kept
                    EXPECT_EQ(c.brush().style(), Qt::NoBrush);
                  }),
                  [&](int x, int y) {
                    if (glyphAt(x, y)) return kText;
                    return glyphAt(x - 3, y - 2) ? shadow : kBack;
                  });

  // The outline uses the four diagonal neighbours only.
  expectEachPixel(paint([&](QPainter& c) {
                    DrawOutlinedText(c, 20, 10, QStringLiteral("Ag"), fromQColor(outline));
                  }),
                  [&](int x, int y) {
                    if (glyphAt(x, y)) return kText;
                    const bool near = glyphAt(x - 1, y - 1) || glyphAt(x + 1, y - 1) ||
                                      glyphAt(x - 1, y + 1) || glyphAt(x + 1, y + 1);
                    return near ? outline : kBack;
                  });

  // Lower-right colour first, the upper-left one over it, the text on top.
  expectEachPixel(paint([&](QPainter& c) {
                    Draw3DText(c, QStringLiteral("Ag"), 20, 10, fromQColor(shadow),
                               fromQColor(outline));
                  }),
                  [&](int x, int y) {
                    if (glyphAt(x, y)) return kText;
                    if (glyphAt(x + 1, y + 1)) return shadow;
                    return glyphAt(x - 1, y - 1) ? outline : kBack;
                  });
}

TEST(TextEffects, FilledGlyphsTakeThePicture) {
  // Left half yellow, right half cyan; stretched over the text box.
  QImage picture(2, 1, QImage::Format_RGB32);
  picture.setPixel(0, 0, qRgb(255, 255, 0));
  picture.setPixel(1, 0, qRgb(0, 255, 255));
  const QFontMetrics metrics(testFont());
  const int boxWidth = metrics.horizontalAdvance(QStringLiteral("Ag"));
  expectEachPixel(
      paint([&](QPainter& c) { DrawTextFilledFit(c, 20, 10, QStringLiteral("Ag"), picture); }),
      [&](int x, int y) {
        if (!glyphAt(x, y)) return kBack;
        return x - 20 < boxWidth / 2 ? qRgb(255, 255, 0) : qRgb(0, 255, 255);
      });

  // Unstretched: glyph pixels beyond the picture come out black; an empty
  // picture leaves every glyph black.
  QImage small(8, 100, QImage::Format_RGB32);
  small.fill(qRgb(0, 128, 0));
  expectEachPixel(
      paint([&](QPainter& c) { DrawTextFilled(c, 20, 10, QStringLiteral("Ag"), small); }),
      [&](int x, int y) {
        if (!glyphAt(x, y)) return kBack;
        return x < 28 ? qRgb(0, 128, 0) : qRgb(0, 0, 0);
      });
  expectEachPixel(
      paint([&](QPainter& c) { DrawTextFilledFit(c, 20, 10, QStringLiteral("Ag"), QImage()); }),
      [&](int x, int y) { return glyphAt(x, y) ? qRgb(0, 0, 0) : kBack; });
}

TEST(TextEffects, MaskedCopyKeepsTheCanvasWhereTheMaskIsWhite) {
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(qRgb(200, 100, 50));
  QImage mask(10, 10, QImage::Format_Mono);  // narrower than the picture
  mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  mask.fill(0);
  for (int y = 2; y < 5; ++y)
    for (int x = 3; x < 9; ++x)
      mask.setPixel(x, y, 1);
  const QImage image = paint([&](QPainter& c) { DrawMasked(c, 5, 7, mask, picture); });
  expectEachPixel(image, [](int x, int y) {
    const bool inside = x >= 8 && x < 14 && y >= 9 && y < 12;
    return inside ? qRgb(200, 100, 50) : kBack;
  });
}

}  // namespace
}  // namespace paxamon
