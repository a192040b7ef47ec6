#include "ui/platform/controls.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "ui/platform/accessible.h"
#include "ui/platform/drawing.h"
#include "ui/platform/property.h"

namespace paxamon {

QStringList wrapText(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  QString rest = text;
  while (!rest.isEmpty()) {
    int fit = 0;
    while (fit < rest.size() && metrics.horizontalAdvance(rest.left(fit + 1)) <= width)
      ++fit;
    if (fit == rest.size()) {
      lines << rest;
      break;
    }
    int end;   // the line is rest[0, end)
    int used;  // characters the line uses up, a blank after it included
    if (rest[fit] == ' ' && fit > 0) {
      end = fit;
    } else {
      int blank = fit;
      while (blank > 0 && rest[blank] != ' ')
        --blank;
      if (rest[blank] == ' ') {
        end = blank + 1;  // the blank stays at the end of the line
      } else {
        // A word wider than the line stands alone on it.
        end = static_cast<int>(rest.indexOf(' '));
        if (end < 0) end = static_cast<int>(rest.size());
      }
    }
    used = end + (end < rest.size() && rest[end] == ' ' ? 1 : 0);
    lines << rest.left(end);
    rest = rest.mid(used);
  }
  return lines;
}

Qt::Alignment horizontalAlignment(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify:
      return Qt::AlignRight;
    case TAlignment::taCenter:
      return Qt::AlignHCenter;
    case TAlignment::taLeftJustify:
      break;
  }
  return Qt::AlignLeft;
}

// --- TLabel ---

TLabel::TLabel(QWidget* parent) : TGraphicControl(parent) {
  registerPlatformAccessibles();
}

void TLabel::setCaption(const QString& caption) {
  const QString old = caption_;  // shared, not copied
  if (!storeIfChanged(caption_, caption)) return;
  adjustSize();
  update();
  if (QAccessible::isActive()) {
    notifyNameChanged(this);
    notifyTextChanged(this, spokenCaption(old), spokenCaption(caption_));
  }
}

void TLabel::setColor(TColor color) {
  if (!storeIfChanged(color_, color)) return;
  update();
}

void TLabel::setFontColor(TColor color) {
  if (!storeIfChanged(fontColor_, color)) return;
  update();
}

void TLabel::setTransparent(bool transparent) {
  if (!storeIfChanged(transparent_, transparent)) return;
  update();
}

void TLabel::setAlignment(TAlignment alignment) {
  if (!storeIfChanged(alignment_, alignment)) return;
  update();
}

void TLabel::setAutoSize(bool autoSize) {
  if (!storeIfChanged(autoSize_, autoSize)) return;
  adjustSize();
}

void TLabel::setWordWrap(bool wordWrap) {
  if (!storeIfChanged(wordWrap_, wordWrap)) return;
  adjustSize();
  update();
}

void TLabel::adjustSize() {
  if (!autoSize_ || wordWrap_) return;
  const QFontMetrics metrics(font());
  const int width = metrics.horizontalAdvance(QString(caption_).remove('&'));
  QRect r = geometry();
  if (alignment_ == TAlignment::taRightJustify) {
    r.setLeft(r.right() + 1 - width);
  } else {
    r.setWidth(width);
  }
  r.setHeight(metrics.height());
  setGeometry(r);
}

void TLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) adjustSize();
  QWidget::changeEvent(event);
}

void TLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!transparent_) painter.fillRect(rect(), toQColor(color_));
  painter.setFont(font());
  painter.setPen(toQColor(fontColor_));
  const QFontMetrics metrics(font());
  const QStringList lines =
      wordWrap_ ? wrapText(caption_, metrics, width()) : QStringList{caption_};
  const int flags =
      Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextDontClip | horizontalAlignment(alignment_);
  int y = 0;
  for (const QString& line : lines) {
    painter.drawText(QRect(0, y, width(), metrics.height()), flags, line);
    y += metrics.height();
  }
}

TLabel* createLabel(QWidget* parent, const QString& caption, int left, int top, const QFont& font,
                    TColor fontColor) {
  auto* l = new TLabel(parent);
  l->setFont(font);
  l->setFontColor(fontColor);
  l->setTransparent(true);
  l->move(left, top);
  l->setAutoSize(true);
  l->setCaption(caption);
  return l;
}

// --- TBevel ---

TBevel::TBevel(TBevelShape shape, TBevelStyle style, QWidget* parent)
    : QWidget(parent), shape_(shape), style_(style) {}

void TBevel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QColor c1 = toQColor(clBtnShadow);
  QColor c2 = toQColor(clBtnHighlight);
  if (style_ == TBevelStyle::bsRaised) std::swap(c1, c2);
  const int w = width(), h = height();
  // A box: first colour on the left and top, second on the right and bottom.
  auto box = [&p](const QRect& r, const QColor& a, const QColor& b) {
    p.fillRect(QRect(r.left(), r.top(), 1, r.height() + 1), a);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), a);
    p.fillRect(QRect(r.right() + 1, r.top(), 1, r.height() + 1), b);
    p.fillRect(QRect(r.left() + 1, r.bottom() + 1, r.width(), 1), b);
  };
  switch (shape_) {
    case TBevelShape::bsBox:
      box(QRect(0, 0, w - 1, h - 1), c1, c2);
      break;
    case TBevelShape::bsFrame:
      box(QRect(1, 1, w - 2, h - 2), c2, c2);
      box(QRect(0, 0, w - 2, h - 2), c1, c1);
      break;
    case TBevelShape::bsTopLine:
      p.fillRect(0, 0, w, 1, c1);
      p.fillRect(0, 1, w, 1, c2);
      break;
    case TBevelShape::bsBottomLine:
      p.fillRect(0, h - 2, w, 1, c1);
      p.fillRect(0, h - 1, w, 1, c2);
      break;
    case TBevelShape::bsLeftLine:
      p.fillRect(0, 0, 1, h, c1);
      p.fillRect(1, 0, 1, h, c2);
      break;
    case TBevelShape::bsRightLine:
      p.fillRect(w - 2, 0, 1, h, c1);
      p.fillRect(w - 1, 0, 1, h, c2);
      break;
  }
}

// --- TGroupBox ---

TGroupBox::TGroupBox(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
  registerPlatformAccessibles();
}

void TGroupBox::setColor(TColor color) {
  if (!storeIfChanged(color_, color)) return;
  update();
}

void TGroupBox::setFontColor(TColor color) {
  if (!storeIfChanged(fontColor_, color)) return;
  update();
}

void TGroupBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), toQColor(color_));
  const QFontMetrics metrics(font());
  const int h = metrics.height();
  // The etched frame: a highlight frame one pixel right and down, the
  // shadow frame over it.
  const QRect frame(0, h / 2 - 1, width() - 1, height() - (h / 2 - 1) - 1);
  drawEdgeLines(p, frame.translated(1, 1), toQColor(clBtnHighlight), toQColor(clBtnHighlight));
  drawEdgeLines(p, frame, toQColor(clBtnShadow), toQColor(clBtnShadow));
  if (!caption_.isEmpty()) {
    const QRect text(8, 0, metrics.horizontalAdvance(caption_), h);
    p.fillRect(text, toQColor(color_));
    p.setFont(font());
    p.setPen(toQColor(fontColor_));
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, caption_);
  }
}

// --- TEdit ---

TEdit::TEdit(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  registerPlatformAccessibles();
}

void TEdit::setText(const QString& text) {
  const QString old = text_;  // shared, not copied
  if (!storeIfChanged(text_, text)) return;
  update();
  if (QAccessible::isActive())
    notifyTextChanged(this, upperCase_ ? old.toUpper() : old, shownText());
}

void TEdit::setUpperCase(bool upper) {
  if (!storeIfChanged(upperCase_, upper)) return;
  update();
  if (QAccessible::isActive())
    notifyTextChanged(this, upper ? text_ : text_.toUpper(), shownText());
}

void TEdit::setFontColor(TColor color) {
  if (!storeIfChanged(fontColor_, color)) return;
  update();
}

void TEdit::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), toQColor(clWindow));
  // The sunken edge: shadow over dark shadow on the top and left, highlight
  // over light on the bottom and right.
  drawSunkenEdge(p, rect());
  p.setClipRect(rect().adjusted(2, 2, -2, -2));
  p.setFont(font());
  p.setPen(toQColor(fontColor_));
  const QFontMetrics metrics(font());
  p.drawText(QPoint(3, 3 + metrics.ascent()), shownText());
}

// --- TShape ---

TShape::TShape(TColor brush, QWidget* parent) : QWidget(parent), brush_(brush) {}

void TShape::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), toQColor(brush_));
}

}  // namespace paxamon
