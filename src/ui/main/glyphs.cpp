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

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kDarkYellow(128, 128, 0);
const QColor kGray(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kBlue(0, 0, 255);
const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);

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
  p.setPen(kBlack);
  p.setBrush(kWhite);
  p.drawPolygon(sheet);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygon({{8, 2}, {8, 5}, {11, 5}}));
  // Yellow rays around the top right, where something new begins.
  line(p, kYellow, 11, 0, 11, 2);
  line(p, kYellow, 13, 3, 15, 3);
  line(p, kYellow, 12, 2, 14, 0);
  line(p, kDarkYellow, 13, 5, 14, 6);
  line(p, kDarkYellow, 9, 0, 9, 1);
  return image;
}

QImage loadProgramGlyph() {
  QImage image = blank(16);
  QPainter p(&image);
  // A document standing in the folder.
  p.setPen(kBlack);
  p.setBrush(kWhite);
  p.drawRect(5, 1, 7, 8);
  line(p, kGray, 7, 3, 10, 3);
  line(p, kGray, 7, 5, 10, 5);
  // The folder's back and its opened front flap.
  p.setPen(kBlack);
  p.setBrush(kDarkYellow);
  p.drawPolygon(QPolygon({{0, 4}, {3, 4}, {4, 5}, {4, 14}, {0, 14}}));
  p.setBrush(kYellow);
  p.drawPolygon(QPolygon({{1, 14}, {4, 8}, {15, 8}, {12, 14}}));
  return image;
}

QImage saveProgramGlyph() {
  QImage image = blank(16);
  QPainter p(&image);
  p.setPen(kBlack);
  p.setBrush(kBlack);
  p.drawPolygon(QPolygon({{1, 1}, {14, 1}, {14, 14}, {2, 14}, {1, 13}}));
  // The label and the metal shutter.
  p.fillRect(3, 2, 10, 6, kWhite);
  line(p, kSilver, 4, 4, 11, 4);
  line(p, kSilver, 4, 6, 11, 6);
  p.fillRect(4, 10, 8, 4, kSilver);
  p.fillRect(9, 11, 2, 2, kBlack);
  return image;
}

QImage runGlyph() {
  QImage image = blank(16);
  QPainter p(&image);
  p.setPen(kNavy);
  p.setBrush(kBlue);
  p.drawPolygon(QPolygon({{1, 6}, {8, 6}, {8, 2}, {14, 8}, {8, 14}, {8, 10}, {1, 10}}));
  // The red line across it.
  line(p, kRed, 4, 1, 10, 15);
  line(p, kRed, 5, 1, 11, 15);
  return image;
}

QImage overviewGlyph() {
  QImage image = blank(16);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(kDarkYellow);
  p.setBrush(kYellow);
  p.drawEllipse(0, 0, 15, 15);
  // The question mark.
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
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
