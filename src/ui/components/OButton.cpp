#include "ui/components/OButton.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPointer>
#include <algorithm>
#include <cstdlib>

#include "ui/platform/bitmaps.h"
#include "ui/platform/drawing.h"
#include "ui/platform/fonts.h"
#include "ui/platform/property.h"


namespace paxamon {

namespace {

// A rounded rectangle as the original platform draws it: the outline runs
// through the pixels from (x1, y1) to (x2 - 1, y2 - 1), a wider pen centred
// on it, the inside filled with brush.
void roundRect(QPainter& p, int x1, int y1, int x2, int y2, int ellipse, const QColor& pen,
               int penWidth, const QColor& brush) {
  // Odd widths are centred on pixel centres, even widths on pixel edges,
  // so that a width w covers the pixels c - w/2 to c + (w-1)/2 around c.
  const qreal shift = penWidth % 2 ? 0.5 : 0.0;
  const QRectF path(x1 + shift, y1 + shift, x2 - 1 - x1, y2 - 1 - y1);
  p.setPen(QPen(pen, penWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(brush);
  p.drawRoundedRect(path, ellipse / 2.0, ellipse / 2.0);
}

}  // namespace

TOfficeButton::TOfficeButton(QWidget* parent) : TGraphicControl(parent) {
  resize(100, 25);
  // The click comes first, then the release, as on the original platform.
  setClickBeforeRelease(true);
  m_caption = QStringLiteral("OfficeButton");
  m_downGlyph = loadBitmapResource(QStringLiteral("DOWN"));
  m_offGlyph = loadBitmapResource(QStringLiteral("OFF"));
  m_onGlyph = loadBitmapResource(QStringLiteral("ON"));
  // Arial 8 points on the original's 96 dots per inch.
  QWidget::setFont(makeFont(QStringLiteral("Arial"), 11));
}

void TOfficeButton::setCaption(const QString& value) {
  if (!storeIfChanged(m_caption, value)) return;
  update();
}

void TOfficeButton::setBorderWidth(int value) {
  value = std::clamp(value, 1, 3);
  if (value == m_borderWidth) return;
  m_borderWidth = static_cast<std::uint8_t>(value);
  update();
}

void TOfficeButton::setDownGlyph(const QImage& picture) {
  m_downGlyph = picture;
  update();
}

void TOfficeButton::setOffGlyph(const QImage& picture) {
  m_offGlyph = picture;
  update();
}

void TOfficeButton::setOnGlyph(const QImage& picture) {
  m_onGlyph = picture;
  update();
}

void TOfficeButton::setButtonFont(const QFont& value) {
  QWidget::setFont(value);  // repaints through the font change
}

void TOfficeButton::setFontColor(TColor value) {
  if (!storeIfChanged(m_fontColor, value)) return;
  update();
}

void TOfficeButton::setRoundSize(int value) {
  if (!storeIfChanged(m_roundSize, value)) return;
  update();
}

void TOfficeButton::setTransparentColor(TColor value) {
  if (!storeIfChanged(m_transparentColor, value)) return;
  update();
}

void TOfficeButton::setColor(TColor value) {
  if (!storeIfChanged(m_color, value)) return;
  update();
}

void TOfficeButton::setShowHint(bool value) {
  if (!storeIfChanged(m_showHint, value)) return;
  setToolTip(m_showHint ? m_hint : QString());
}

void TOfficeButton::setHint(const QString& value) {
  if (!storeIfChanged(m_hint, value)) return;
  setToolTip(m_showHint ? m_hint : QString());
}

// --- Mouse ---------------------------------------------------------------------------

void TOfficeButton::MouseEnter() {
  m_mouseInside = true;
  m_pressOffset = m_mousePressed ? 1 : 0;
  update();
}

void TOfficeButton::MouseLeave() {
  m_mouseInside = false;
  m_pressOffset = 0;
  update();
}

void TOfficeButton::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                              Qt::MouseButtons held, QPoint pos) {
  m_mousePressed = true;
  m_pressOffset = 1;
  update();
  TGraphicControl::MouseDown(button, modifiers, held, pos);
}

void TOfficeButton::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                            Qt::MouseButtons held, QPoint pos) {
  m_mousePressed = false;
  m_pressOffset = 0;
  update();
  TGraphicControl::MouseUp(button, modifiers, held, pos);
}

void TOfficeButton::MouseMove(Qt::KeyboardModifiers modifiers, Qt::MouseButtons held, QPoint pos) {
  const bool inside = rect().contains(pos);
  if (inside && !m_mouseInside) MouseEnter();
  if (!inside && m_mouseInside) MouseLeave();
  TGraphicControl::MouseMove(modifiers, held, pos);
}

void TOfficeButton::enterEvent(QEnterEvent*) {
  if (!m_mouseInside) MouseEnter();
}

void TOfficeButton::leaveEvent(QEvent*) {
  if (m_mouseInside) MouseLeave();
}

void TOfficeButton::hideEvent(QHideEvent* event) {
  // A hidden button cannot be under the mouse; it shows unhovered when it
  // comes back (its window may have been closed by its own click).
  if (m_mouseInside) MouseLeave();
  QWidget::hideEvent(event);
}

void TOfficeButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) update();
  QWidget::changeEvent(event);
}

// --- Painting ------------------------------------------------------------------------

void TOfficeButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Paint(painter);
}

void TOfficeButton::Paint(QPainter& p) {
  const int w = width(), h = height(), bw = m_borderWidth, rs = m_roundSize, o = m_pressOffset;
  const int gw = m_offGlyph.width(), gh = m_offGlyph.height();
  const QRect pictureRect(o + 7, (h - gh) / 2 + o, gw, gh);
  const QColor face = toQColor(m_color);
  p.setRenderHint(QPainter::Antialiasing, false);

  if (m_mouseInside) {
    roundRect(p, bw, bw, w - bw + 1, h - bw + 1, rs, toQColor(m_borderColor), bw + 1, face);
    // The highlight along the top: a white line of width 2 through row
    // bw + 2, so it covers that row and the one above.
    const int from = rs / 2, to = w - rs / 2;
    p.fillRect(QRect(std::min(from, to), bw + 1, std::abs(to - from), 2), QColor(255, 255, 255));
  } else {
    roundRect(p, bw - 1, bw - 1, w - bw + 1, h - bw + 1, rs, toQColor(clSilver), bw, face);
  }

  // The picture, cut to the OFF picture's size, its transparent colour
  // painted in the button's colour.
  const QImage& glyph = m_mouseInside ? (m_mousePressed ? m_downGlyph : m_onGlyph) : m_offGlyph;
  if (!pictureRect.isEmpty() && !glyph.isNull()) {
    const QImage part =
        glyph.copy(QRect(0, 0, std::min(gw, glyph.width()), std::min(gh, glyph.height())));
    p.drawImage(pictureRect.topLeft(),
                replaceColor(part, toQColor(m_transparentColor).rgb(), face.rgb()));
  }

  // The caption on an opaque background in the button's colour.
  const QSize extent = textExtent(font(), m_caption);
  const QPoint at((w - extent.width()) / 2 + o + 7, (h - extent.height()) / 2 + o);
  p.fillRect(QRect(at, extent), face);
  p.setFont(font());
  p.setPen(toQColor(m_fontColor));
  p.drawText(at + QPoint(0, QFontMetrics(font()).ascent()), m_caption);
}

}  // namespace paxamon
