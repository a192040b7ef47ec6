#include "ui/main/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include "ui/platform/colors.h"

namespace paxamon {

namespace {

QImage blank(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

void line(QPainter& p, const QColor& c, int x1, int y1, int x2, int y2) {
  p.setPen(c);
  p.drawLine(x1, y1, x2, y2);
}

}  // namespace

QImage newProgramGlyph() {
  QImage image = blank(16);
  QPainter p(&image);
  // The sheet with its top-right corner folded down.
  const QPolygon sheet({{2, 2}, {8, 2}, {11, 5}, {11, 15}, {2, 15}});
  p.setPen(toQColor(clBlack));
  p.setBrush(toQColor(clWhite));
  p.drawPolygon(sheet);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygon({{8, 2}, {8, 5}, {11, 5}}));
  // Yellow rays around the top right, where something new begins.
  line(p, toQColor(clYellow), 11, 0, 11, 2);
  line(p, toQColor(clYellow), 13, 3, 15, 3);
  line(p, toQColor(clYellow), 12, 2, 14, 0);
  line(p, toQColor(clOlive), 13, 5, 14, 6);
  line(p, toQColor(clOlive), 9, 0, 9, 1);
  return image;
}

QImage loadProgramGlyph() {
  QImage image = blank(16);
  QPainter p(&image);
  // A document standing in the folder.
  p.setPen(toQColor(clBlack));
  p.setBrush(toQColor(clWhite));
  p.drawRect(5, 1, 7, 8);
  line(p, toQColor(clGray), 7, 3, 10, 3);
  line(p, toQColor(clGray), 7, 5, 10, 5);
  // The folder's back and its opened front flap.
  p.setPen(toQColor(clBlack));
  p.setBrush(toQColor(clOlive));
  p.drawPolygon(QPolygon({{0, 4}, {3, 4}, {4, 5}, {4, 14}, {0, 14}}));
  p.setBrush(toQColor(clYellow));
  p.drawPolygon(QPolygon({{1, 14}, {4, 8}, {15, 8}, {12, 14}}));
  return image;
}

QImage saveProgramGlyph() {
  QImage image = blank(16);
  QPainter p(&image);
  p.setPen(toQColor(clBlack));
  p.setBrush(toQColor(clBlack));
  p.drawPolygon(QPolygon({{1, 1}, {14, 1}, {14, 14}, {2, 14}, {1, 13}}));
  // The label and the metal shutter.
  p.fillRect(3, 2, 10, 6, toQColor(clWhite));
  line(p, toQColor(clSilver), 4, 4, 11, 4);
  line(p, toQColor(clSilver), 4, 6, 11, 6);
  p.fillRect(4, 10, 8, 4, toQColor(clSilver));
  p.fillRect(9, 11, 2, 2, toQColor(clBlack));
  return image;
}

QImage runGlyph() {
  QImage image = blank(16);
  QPainter p(&image);
  p.setPen(toQColor(clNavy));
  p.setBrush(toQColor(clBlue));
  p.drawPolygon(QPolygon({{1, 6}, {8, 6}, {8, 2}, {14, 8}, {8, 14}, {8, 10}, {1, 10}}));
  // The red line across it.
  line(p, toQColor(clRed), 4, 1, 10, 15);
  line(p, toQColor(clRed), 5, 1, 11, 15);
  return image;
}

QImage overviewGlyph() {
  QImage image = blank(16);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(toQColor(clOlive));
  p.setBrush(toQColor(clYellow));
  p.drawEllipse(0, 0, 15, 15);
  // The question mark.
  p.setPen(Qt::NoPen);
  p.setBrush(toQColor(clRed));
  p.drawRect(5, 3, 5, 2);
  p.drawRect(9, 4, 2, 3);
  p.drawRect(7, 6, 3, 2);
  p.drawRect(7, 8, 2, 2);
  p.drawRect(7, 11, 2, 2);
  p.drawRect(4, 4, 2, 2);
  return image;
}

QImage greyedGlyph(const QImage& glyph) {
  QImage greyed = blank(glyph.width());
  const QRgb highlight = toQColor(clBtnHighlight).rgb();
  const QRgb shadow = toQColor(clBtnShadow).rgb();
  // Dark and mid-tone pixels make the shape; light ones vanish.
  auto inShape = [&glyph](int x, int y) {
    if (x < 0 || y < 0 || x >= glyph.width() || y >= glyph.height()) return false;
    const QColor c = glyph.pixelColor(x, y);
    return c.alpha() > 0 && qGray(c.rgb()) < 192;
  };
  for (int y = 0; y < glyph.height(); ++y) {
    for (int x = 0; x < glyph.width(); ++x) {
      if (inShape(x - 1, y - 1)) greyed.setPixel(x, y, highlight);
    }
  }
  for (int y = 0; y < glyph.height(); ++y) {
    for (int x = 0; x < glyph.width(); ++x) {
      if (inShape(x, y)) greyed.setPixel(x, y, shadow);
    }
  }
  return greyed;
}

QIcon toolButtonIcon(const QImage& glyph) {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(glyph), QIcon::Normal);
  icon.addPixmap(QPixmap::fromImage(greyedGlyph(glyph)), QIcon::Disabled);
  return icon;
}

}  // namespace paxamon
