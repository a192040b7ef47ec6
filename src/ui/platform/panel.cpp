#include "ui/platform/panel.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "ui/platform/drawing.h"
#include "ui/platform/property.h"

namespace paxamon {

TPanel::TPanel(QWidget* parent) : TGraphicControl(parent) {}

void TPanel::setCaption(const QString& caption) {
  if (!storeIfChanged(caption_, caption)) return;
  update();
}

void TPanel::setColor(TColor color) {
  if (!storeIfChanged(color_, color)) return;
  update();
}

void TPanel::setFontColor(TColor color) {
  if (!storeIfChanged(fontColor_, color)) return;
  update();
}

void TPanel::setBevelOuter(TPanelBevel bevel) {
  if (!storeIfChanged(bevelOuter_, bevel)) return;
  update();
}

void TPanel::setBevelInner(TPanelBevel bevel) {
  if (!storeIfChanged(bevelInner_, bevel)) return;
  update();
}

void TPanel::setBevelWidth(int width) {
  width = std::max(width, 0);
  if (!storeIfChanged(bevelWidth_, width)) return;
  update();
}

void TPanel::setBorderWidth(int width) {
  width = std::max(width, 0);
  if (!storeIfChanged(borderWidth_, width)) return;
  update();
}

void TPanel::setAlignment(TAlignment alignment) {
  if (!storeIfChanged(alignment_, alignment)) return;
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
  auto bevel = [&](TPanelBevel kind) {
    if (kind == TPanelBevel::bvNone) return;
    const bool lowered = kind == TPanelBevel::bvLowered;
    const QColor highlight = toQColor(clBtnHighlight), shadow = toQColor(clBtnShadow);
    r = drawEdgeRings(p, r, bevelWidth_, lowered ? shadow : highlight,
                      lowered ? highlight : shadow);
  };
  const QColor face = toQColor(color_);
  bevel(bevelOuter_);
  r = drawEdgeRings(p, r, borderWidth_, face, face);
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
