// The text effects of the gradient module, checked pixel by pixel against
// the glyph shape of the same text drawn plainly at (20, 10).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "ui/components/Gradient.h"
#include "ui/platform/fonts.h"

namespace paxamon {
namespace {

const QRgb kBack = qRgb(10, 20, 30), kText = qRgb(255, 0, 0), kBlack = qRgb(0, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255);
const QString kAg = QStringLiteral("Ag");

// A 60 x 40 canvas in kBack, painted by draw in kText with a bold font
// without antialiasing.
QImage paint(const std::function<void(QPainter&)>& draw) {
  QImage image(60, 40, QImage::Format_RGB32);
  image.fill(kBack);
  QPainter canvas(&image);
  QFont font = makeFont(QStringLiteral("Arial"), 20, {.bold = true});
  font.setStyleStrategy(QFont::NoAntialias);
  canvas.setFont(font);
  canvas.setPen(QColor(kText));
  draw(canvas);
  return image;
}

bool glyphAt(int x, int y) {
  static const QImage plain =
      paint([](QPainter& c) { c.drawText(QPoint(20, 10 + c.fontMetrics().ascent()), kAg); });
  return plain.valid(x, y) && plain.pixel(x, y) == kText;
}

// Paints with draw and checks every pixel against expect(x, y, glyph there).
void expectPixels(const std::function<void(QPainter&)>& draw,
                  const std::function<QRgb(int, int, bool)>& expect) {
  const QImage image = paint(draw);
  int wrong = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != (expect(x, y, glyphAt(x, y)) | 0xFF000000u) && ++wrong <= 3)
        ADD_FAILURE() << "pixel " << x << "," << y;
  EXPECT_EQ(wrong, 0);
}

TEST(TextEffects, ShadowOutlineAnd3DFollowTheGlyphs) {
  expectPixels([](QPainter& c) { DrawShadowText(c, 20, 10, kAg, fromQColor(kGreen), 3, 2); },
               [](int x, int y, bool glyph) {
                 return glyph ? kText : glyphAt(x - 3, y - 2) ? kGreen : kBack;
               });
  // The outline uses the four diagonal neighbours only.
  expectPixels([](QPainter& c) { DrawOutlinedText(c, 20, 10, kAg, fromQColor(kBlue)); },
               [](int x, int y, bool glyph) {
                 const bool near = glyphAt(x - 1, y - 1) || glyphAt(x + 1, y - 1) ||
                                   glyphAt(x - 1, y + 1) || glyphAt(x + 1, y + 1);
                 return glyph ? kText : near ? kBlue : kBack;
               });
  // Lower-right colour first, the upper-left one over it, the text on top.
  expectPixels(
      [](QPainter& c) { Draw3DText(c, kAg, 20, 10, fromQColor(kGreen), fromQColor(kBlue)); },
      [](int x, int y, bool glyph) {
        if (glyph) return kText;
        return glyphAt(x + 1, y + 1) ? kGreen : glyphAt(x - 1, y - 1) ? kBlue : kBack;
      });
}

TEST(TextEffects, FilledAndMaskedPictures) {
  // Left half green, right half blue, stretched over the text box.
  QImage halves(2, 1, QImage::Format_RGB32);
  halves.setPixel(0, 0, kGreen);
  halves.setPixel(1, 0, kBlue);
  int half = 0;
  expectPixels(
      [&](QPainter& c) {
        half = c.fontMetrics().horizontalAdvance(kAg) / 2;
        DrawTextFilledFit(c, 20, 10, kAg, halves);
      },
      [&](int x, int, bool glyph) { return glyph ? (x - 20 < half ? kGreen : kBlue) : kBack; });

  // Unstretched: glyph pixels beyond the picture come out black; an empty
  // picture leaves every glyph black.
  QImage narrow(8, 100, QImage::Format_RGB32);
  narrow.fill(kGreen);
  expectPixels([&](QPainter& c) { DrawTextFilled(c, 20, 10, kAg, narrow); },
               [](int x, int, bool glyph) { return glyph ? (x < 28 ? kGreen : kBlack) : kBack; });
  expectPixels([](QPainter& c) { DrawTextFilledFit(c, 20, 10, kAg, QImage()); },
               [](int, int, bool glyph) { return glyph ? kBlack : kBack; });

  // The masked copy keeps the canvas where the mask is white; the mask is
  // narrower than the picture.
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(kBlue);
  QImage mask(10, 10, QImage::Format_RGB32);
  mask.fill(Qt::white);
  QPainter(&mask).fillRect(3, 2, 6, 3, Qt::black);
  mask = mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
  expectPixels(
      [&](QPainter& c) { DrawMasked(c, 5, 7, mask, picture); },
      [](int x, int y, bool) { return x >= 8 && x < 14 && y >= 9 && y < 12 ? kBlue : kBack; });
}

}  // namespace
}  // namespace paxamon
