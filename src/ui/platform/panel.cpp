#include "ui/platform/panel.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "ui/platform/drawing.h"

namespace paxamon {

TPanel::TPanel(QWidget* parent) : TGraphicControl(parent) {}

void TPanel::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void TPanel::setColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void TPanel::setFontColor(TColor color) {
  if (color == fontColor_) return;
  fontColor_ = color;
  update();
}

void TPanel::setBevelOuter(TPanelBevel bevel) {
  if (bevel == bevelOuter_) return;
  bevelOuter_ = bevel;
  update();
}

void TPanel::setBevelInner(TPanelBevel bevel) {
  if (bevel == bevelInner_) return;
  bevelInner_ = bevel;
  update();
}

void TPanel::setBevelWidth(int width) {
  width = std::max(width, 0);
  if (width == bevelWidth_) return;
  bevelWidth_ = width;
  update();
}

void TPanel::setBorderWidth(int width) {
  width = std::max(width, 0);
  if (width == borderWidth_) return;
  borderWidth_ = width;
  update();
}

void TPanel::setAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  update();
}

QRect TPanel::contentRect() const {
  int inset = borderWidth_;
  if (bevelOuter_ != TPanelBevel::bvNone) inset += bevelWidth_;
  if (bevelInner_ != TPanelBevel::bvNone) inset += bevelWidth_;
  return rect().adjusted(inset, inset, -inset, -inset);
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  // Rings of one-pixel lines from the outside in: the outer bevel, the
  // border in the panel's colour, the inner bevel.
  auto rings = [&](int count, const QColor& topLeft, const QColor& bottomRight) {
    for (int i = 0; i < count && r.isValid(); ++i) {
      drawEdgeLines(p, r, topLeft, bottomRight);
      r.adjust(1, 1, -1, -1);
    }
  };
  auto bevel = [&](TPanelBevel kind) {
    if (kind == TPanelBevel::bvNone) return;
    const bool lowered = kind == TPanelBevel::bvLowered;
    const QColor highlight = toQColor(clBtnHighlight), shadow = toQColor(clBtnShadow);
    rings(bevelWidth_, lowered ? shadow : highlight, lowered ? highlight : shadow);
  };
  const QColor face = toQColor(color_);
  bevel(bevelOuter_);
  rings(borderWidth_, face, face);
  bevel(bevelInner_);
  if (!r.isValid()) return;
  p.fillRect(r, face);

  if (caption_.isEmpty()) return;
  // One line of text, centred vertically on the height of a "W", aligned
  // horizontally within what the bevels leave, cut at its edges.
  const int textHeight = QFontMetrics(font()).height();
  const QRect line(r.left(), (r.top() + r.bottom() + 1 - textHeight) / 2, r.width(), textHeight);
  const int flags = Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs | Qt::TextSingleLine |
                    horizontalAlignment(alignment_);
  p.setClipRect(line);
  p.setFont(font());
  p.setPen(toQColor(fontColor_));
  p.drawText(line, flags, caption_);
}

}  // namespace paxamon
