#include "ui/platform/drawing.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "ui/platform/colors.h"

namespace paxamon {

namespace {
int depthOverride = 0;
}

QChar accelChar(const QString& caption) {
  const qsizetype amp = caption.indexOf(QLatin1Char('&'));
  if (amp < 0 || amp + 1 >= caption.size()) return {};
  return caption.at(amp + 1);
}

QSize textExtent(const QFont& font, const QString& text) {
  const QFontMetrics metrics(font);
  return {metrics.horizontalAdvance(text), metrics.height()};
}

void drawAccelText(QPainter& painter, QPoint topLeft, const QString& text) {
  // A rectangle large enough never to break or clip the text.
  const QRect area(topLeft, QSize(0x3FFF, 0x3FFF));
  painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextDontClip,
                   text);
}

void drawEdgeLines(QPainter& painter, const QRect& rect, QColor topLeft, QColor bottomRight,
                   int sides) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  const int left = rect.left(), top = rect.top();
  const int right = rect.left() + rect.width() - 1, bottom = rect.top() + rect.height() - 1;
  if (sides & edgeTop) painter.fillRect(QRect(left, top, rect.width(), 1), topLeft);
  if (sides & edgeLeft) painter.fillRect(QRect(left, top, 1, rect.height()), topLeft);
  if (sides & edgeBottom) painter.fillRect(QRect(left, bottom, rect.width(), 1), bottomRight);
  if (sides & edgeRight) painter.fillRect(QRect(right, top, 1, rect.height()), bottomRight);
}

QRect drawEdgeRings(QPainter& painter, QRect rect, int count, QColor topLeft, QColor bottomRight) {
  for (int i = 0; i < count && rect.width() > 0 && rect.height() > 0; ++i) {
    drawEdgeLines(painter, rect, topLeft, bottomRight);
    rect.adjust(1, 1, -1, -1);
  }
  return rect;
}

void drawSunkenEdge(QPainter& painter, const QRect& rect) {
  drawEdgeLines(painter, rect, toQColor(clBtnShadow), toQColor(clBtnHighlight));
  drawEdgeLines(painter, rect.adjusted(1, 1, -1, -1), toQColor(cl3DDkShadow), toQColor(cl3DLight));
}

QImage replaceColor(const QImage& picture, QRgb key, QRgb fill) {
  QImage result = picture.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) {
      if ((line[x] & RGB_MASK) == (key & RGB_MASK)) line[x] = fill;
    }
  }
  return result;
}

void drawFocusRect(QPainter& painter, const QRect& rect, QColor colour) {
  if (rect.isEmpty()) return;
  // Pixels whose coordinates add up to an even number, so the dots run on
  // around the corners.
  auto dot = [&](int x, int y) {
    if ((x + y) % 2 == 0) painter.fillRect(x, y, 1, 1, colour);
  };
  for (int x = rect.left(); x <= rect.right(); ++x) {
    dot(x, rect.top());
    dot(x, rect.bottom());
  }
  for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
    dot(rect.left(), y);
    dot(rect.right(), y);
  }
}

void drawButtonEdge(QPainter& painter, const QRect& rect, bool sunken) {
  const QColor dark = toQColor(cl3DDkShadow), light = toQColor(clBtnHighlight),
               shadow = toQColor(clBtnShadow);
  const QRect inner = rect.adjusted(1, 1, -1, -1);
  if (sunken) {
    drawEdgeLines(painter, rect, dark, light);
    drawEdgeLines(painter, inner, shadow, shadow, edgeLeft | edgeTop);
  } else {
    drawEdgeLines(painter, rect, dark, dark, edgeRight | edgeBottom);
    drawEdgeLines(painter, rect.adjusted(0, 0, -1, -1), light, light, edgeLeft | edgeTop);
    drawEdgeLines(painter, inner, shadow, shadow, edgeRight | edgeBottom);
  }
}

void drawTransparent(QPainter& painter, QPoint topLeft, const QImage& picture, QRgb leftOut) {
  if (picture.isNull()) return;
  QImage masked = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = leftOut & RGB_MASK;
  for (int y = 0; y < masked.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
    for (int x = 0; x < masked.width(); ++x)
      if ((line[x] & RGB_MASK) == key) line[x] = 0;
  }
  painter.drawImage(topLeft, masked);
}

int displayColorDepth() {
  if (depthOverride > 0) return depthOverride;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 24;
  return std::clamp(screen->depth(), 0, 255);
}

void overrideDisplayColorDepth(int bits) {
  depthOverride = std::clamp(bits, 0, 255);
}

}  // namespace paxamon
