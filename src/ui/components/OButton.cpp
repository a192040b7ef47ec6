#include "ui/components/OButton.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPointer>
#include <algorithm>
#include <cstdlib>

#include "ui/platform/accessible.h"
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

// A push button for assistive technology, named by its caption.
class OfficeButtonAccessible : public ControlAccessible {
 public:
  explicit OfficeButtonAccessible(TOfficeButton* button)
      : ControlAccessible(button, QAccessible::Button) {}

 protected:
  QString name() const override {
    return static_cast<TOfficeButton*>(widget())->Caption().simplified();
  }
  bool clickable() const override { return widget()->isEnabled(); }
};

}  // namespace

TOfficeButton::TOfficeButton(QWidget* parent) : TGraphicControl(parent) {
  registerAccessibleFor<TOfficeButton, OfficeButtonAccessible>();
  setKeyboardOperable(true);
  resize(100, 25);
  // The click comes first, then the release, as on the original platform.
  setClickBeforeRelease(true);
  caption_ = QStringLiteral("OfficeButton");
  downGlyph_ = loadBitmapResource(QStringLiteral("DOWN"));
  offGlyph_ = loadBitmapResource(QStringLiteral("OFF"));
  onGlyph_ = loadBitmapResource(QStringLiteral("ON"));
  // Arial 8 points on the original's 96 dots per inch.
  QWidget::setFont(makeFont(QStringLiteral("Arial"), 11));
}

void TOfficeButton::setCaption(const QString& value) {
  if (!storeIfChanged(caption_, value)) return;
  update();
  notifyNameChanged(this);
}

void TOfficeButton::setBorderWidth(int value) {
  value = std::clamp(value, 1, 3);
  if (value == borderWidth_) return;
  borderWidth_ = static_cast<std::uint8_t>(value);
  update();
}

void TOfficeButton::setDownGlyph(const QImage& picture) {
  downGlyph_ = picture;
  update();
}

void TOfficeButton::setOffGlyph(const QImage& picture) {
  offGlyph_ = picture;
  update();
}

void TOfficeButton::setOnGlyph(const QImage& picture) {
  onGlyph_ = picture;
  update();
}

void TOfficeButton::setButtonFont(const QFont& value) {
  QWidget::setFont(value);  // repaints through the font change
}

void TOfficeButton::setFontColor(TColor value) {
  if (!storeIfChanged(fontColor_, value)) return;
  update();
}

void TOfficeButton::setRoundSize(int value) {
  if (!storeIfChanged(roundSize_, value)) return;
  update();
}

void TOfficeButton::setTransparentColor(TColor value) {
  if (!storeIfChanged(transparentColor_, value)) return;
  update();
}

void TOfficeButton::setColor(TColor value) {
  if (!storeIfChanged(color_, value)) return;
  update();
}

void TOfficeButton::setShowHint(bool value) {
  if (!storeIfChanged(showHint_, value)) return;
  setToolTip(showHint_ ? hint_ : QString());
}

void TOfficeButton::setHint(const QString& value) {
  if (!storeIfChanged(hint_, value)) return;
  setToolTip(showHint_ ? hint_ : QString());
}

// --- Mouse ---------------------------------------------------------------------------

void TOfficeButton::MouseEnter() {
  mouseInside_ = true;
  pressOffset_ = mousePressed_ ? 1 : 0;
  update();
}

void TOfficeButton::MouseLeave() {
  mouseInside_ = false;
  pressOffset_ = 0;
  update();
}

void TOfficeButton::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                              Qt::MouseButtons held, QPoint pos) {
  mousePressed_ = true;
  pressOffset_ = 1;
  update();
  TGraphicControl::MouseDown(button, modifiers, held, pos);
}

void TOfficeButton::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                            Qt::MouseButtons held, QPoint pos) {
  mousePressed_ = false;
  pressOffset_ = 0;
  update();
  TGraphicControl::MouseUp(button, modifiers, held, pos);
}

void TOfficeButton::MouseMove(Qt::KeyboardModifiers modifiers, Qt::MouseButtons held, QPoint pos) {
  const bool inside = rect().contains(pos);
  if (inside && !mouseInside_) MouseEnter();
  if (!inside && mouseInside_) MouseLeave();
  TGraphicControl::MouseMove(modifiers, held, pos);
}

void TOfficeButton::enterEvent(QEnterEvent*) {
  if (!mouseInside_) MouseEnter();
}

void TOfficeButton::leaveEvent(QEvent*) {
  if (mouseInside_) MouseLeave();
}

void TOfficeButton::hideEvent(QHideEvent* event) {
  // A hidden button cannot be under the mouse; it shows unhovered when it
  // comes back (its window may have been closed by its own click).
  if (mouseInside_) MouseLeave();
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
  const int w = width(), h = height(), bw = borderWidth_, rs = roundSize_, o = pressOffset_;
  const int gw = offGlyph_.width(), gh = offGlyph_.height();
  const QRect pictureRect(o + 7, (h - gh) / 2 + o, gw, gh);
  const QColor face = toQColor(color_);
  p.setRenderHint(QPainter::Antialiasing, false);

  if (mouseInside_) {
    roundRect(p, bw, bw, w - bw + 1, h - bw + 1, rs, toQColor(borderColor_), bw + 1, face);
    // The highlight along the top: a white line of width 2 through row
    // bw + 2, so it covers that row and the one above.
    const int from = rs / 2, to = w - rs / 2;
    p.fillRect(QRect(std::min(from, to), bw + 1, std::abs(to - from), 2), QColor(255, 255, 255));
  } else {
    roundRect(p, bw - 1, bw - 1, w - bw + 1, h - bw + 1, rs, toQColor(clSilver), bw, face);
  }

  // The picture, cut to the OFF picture's size, its transparent colour
  // painted in the button's colour.
  const QImage& glyph = mouseInside_ ? (mousePressed_ ? downGlyph_ : onGlyph_) : offGlyph_;
  if (!pictureRect.isEmpty() && !glyph.isNull()) {
    const QImage part =
        glyph.copy(QRect(0, 0, std::min(gw, glyph.width()), std::min(gh, glyph.height())));
    p.drawImage(pictureRect.topLeft(),
                replaceColor(part, toQColor(transparentColor_).rgb(), face.rgb()));
  }

  // The caption on an opaque background in the button's colour.
  const QSize extent = textExtent(font(), caption_);
  const QPoint at((w - extent.width()) / 2 + o + 7, (h - extent.height()) / 2 + o);
  p.fillRect(QRect(at, extent), face);
  p.setFont(font());
  p.setPen(toQColor(fontColor_));
  p.drawText(at + QPoint(0, QFontMetrics(font()).ascent()), caption_);

  // The keyboard focus: a dotted frame inside the rounded one.
  if (showsFocusMark()) {
    drawFocusRect(p, QRect(rs / 4 + 1, 3, w - 2 * (rs / 4 + 1), h - 6), toQColor(fontColor_));
  }
}

}  // namespace paxamon
