#include "ui/components/ArtLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/platform/drawing.h"
#include "ui/platform/fonts.h"
#include "ui/platform/property.h"

namespace paxamon {

TArtLabel::TArtLabel(QWidget* parent) : TGraphicControl(parent), m_gradient(new TGradient(this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);  // not transparent yet
  resize(64, 25);
  connect(m_gradient, &TGradient::changed, this, &TArtLabel::GradientChanged);
  m_gradient->setColor1(clSilver);
  m_gradient->setColor2(clGray);
  m_gradient->setColor3(clBlack);
  m_gradient->setColorCount(3);
  m_gradient->setLineSize(2);
  m_gradient->setGradientStyle(gsLine);
  m_gradientStale = true;
  // 24 points at the 96 pixels per inch the windows were designed for.
  setFont(makeFont(QStringLiteral("Arial"), 32, {.bold = true}));
}

// --- Properties ----------------------------------------------------------------

void TArtLabel::setArtStyle(TArtStyle value) {
  if (!storeIfChanged(m_artStyle, value)) return;
  repaint();
}

void TArtLabel::setCaption(const QString& value) {
  if (!storeIfChanged(m_caption, value)) return;
  repaint();
}

void TArtLabel::setFontColor(TColor value) {
  if (!storeIfChanged(m_fontColor, value)) return;
  repaint();
}

void TArtLabel::setTransparent(bool value) {
  if (!storeIfChanged(m_transparent, value)) return;
  // Opaque, the label covers its whole area and Qt need not paint beneath.
  setAttribute(Qt::WA_OpaquePaintEvent, !value);
  repaint();
}

void TArtLabel::setColor(TColor value) {
  if (!storeIfChanged(m_color, value)) return;
  repaint();
}

void TArtLabel::setBitmap(const QImage& value) {
  if (&value == &m_bitmap) return;
  m_bitmap = value;
  if (m_artStyle.contains(asBitmap) || m_artStyle.contains(asBitmapFit)) repaint();
}

void TArtLabel::setShadowColor(TColor value) {
  if (!storeIfChanged(m_shadowColor, value)) return;
  if (m_artStyle.contains(asShadow)) repaint();
}

void TArtLabel::setOutlineColor(TColor value) {
  if (!storeIfChanged(m_outlineColor, value)) return;
  if (m_artStyle.contains(asOutlined)) repaint();
}

void TArtLabel::setAutoSize(bool value) {
  if (!storeIfChanged(m_autoSize, value)) return;
  repaint();
}

void TArtLabel::setShadowLength(int value) {
  if (!storeIfChanged(m_shadowLength, value)) return;
  if (m_artStyle.contains(asShadow)) repaint();
}

void TArtLabel::setGradient(const TGradient* source) {
  if (source && source != m_gradient) m_gradient->AssignValues(*source);
}

void TArtLabel::setTextAlign(TAlignment value) {
  if (!storeIfChanged(m_textAlign, value)) return;
  repaint();
}

void TArtLabel::GradientChanged() {
  m_gradientStale = true;
  if (m_artStyle.contains(asGradient)) repaint();
}

void TArtLabel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) repaint();
}

// --- Painting --------------------------------------------------------------------

QFont TArtLabel::drawingFont() const {
  QFont f = font();
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

QPoint TArtLabel::textPosition(QSize labelSize) const {
  const QSize text = textExtent(drawingFont(), m_caption);
  const int w = labelSize.width(), h = labelSize.height();
  switch (m_textAlign) {
    case TAlignment::taLeftJustify:
      return {2, std::max((h - text.height()) / 2, 2)};
    case TAlignment::taRightJustify:
      return {w - text.width() - 2, std::max((h - text.height()) / 2, 2)};
    case TAlignment::taCenter:
      break;
  }
  return {std::max((w - text.width()) / 2, 0), std::max((h - text.height()) / 2, 0)};
}

void TArtLabel::updateGradientPicture(QSize size) {
  if (!m_gradientStale && m_gradientPicture.size() == size) return;
  m_gradientPicture = QImage(size, QImage::Format_RGB32);
  m_gradientPicture.fill(toQColor(m_fontColor));
  QPainter canvas(&m_gradientPicture);
  GradientFill(canvas, QRect(QPoint(0, 0), size), *m_gradient);
  canvas.end();
  m_gradientStale = false;
}

void TArtLabel::paintEvent(QPaintEvent*) {
  const QSize size = this->size();  // the paint goes on at this size
  const QFont textFont = drawingFont();
  if (m_autoSize) {
    // The label takes the caption's size; Qt paints it again at that size.
    const QSize text = textExtent(textFont, m_caption);
    const QSize wanted(text.width() + 4, textExtent(textFont, QStringLiteral("Wg")).height() + 4);
    if (wanted != size) resize(wanted);
  }
  if (size.isEmpty()) return;

  m_work = QImage(size, QImage::Format_RGB32);
  m_work.fill(toQColor(m_color));
  const QPoint at = textPosition(size);
  const int x = at.x(), y = at.y();
  const TColor light = LightenColor(m_color, 64), dark = DarkenColor(m_color, 64);

  QPainter work(&m_work);
  work.setFont(textFont);
  work.setPen(toQColor(m_fontColor));
  const TArtStyle style = m_artStyle;
  if (style.contains(asShadow))
    DrawShadowText(work, x, y, m_caption, m_shadowColor, m_shadowLength, m_shadowLength);
  if (style.contains(asOutlined))
    DrawOutlinedText(work, x, y, m_caption, m_outlineColor);
  else if (style.contains(as3DSunk))
    Draw3DText(work, m_caption, x, y, dark, light);
  else if (style.contains(as3DRaise))
    Draw3DText(work, m_caption, x, y, light, dark);
  if (style.contains(asGradient)) {
    updateGradientPicture(size);
    DrawTextFilledFit(work, x, y, m_caption, m_gradientPicture);
  } else if (style.contains(asBitmapFit)) {
    DrawTextFilledFit(work, x, y, m_caption, m_bitmap);
  } else if (style.contains(asBitmap)) {
    DrawTextFilled(work, x, y, m_caption, m_bitmap);
  }
  work.end();

  QPainter screen(this);
  if (!m_transparent) {
    screen.setCompositionMode(QPainter::CompositionMode_Source);
    screen.drawImage(0, 0, m_work);
    return;
  }
  // Transparent: only the glyph pixels come from the composed label.
  QImage mask(size, QImage::Format_RGB32);
  mask.fill(Qt::white);
  QPainter maskCanvas(&mask);
  maskCanvas.setFont(textFont);
  maskCanvas.setPen(Qt::black);
  if (style.contains(asShadow))
    DrawShadowText(maskCanvas, x, y, m_caption, clBlack, m_shadowLength, m_shadowLength);
  if (style.contains(asOutlined)) DrawOutlinedText(maskCanvas, x, y, m_caption, clBlack);
  if (style.contains(as3DSunk) || style.contains(as3DRaise))
    Draw3DText(maskCanvas, m_caption, x, y, clBlack, clBlack);
  // The fills mark their glyphs too, so that a label with only a fill style
  // still shows its text.
  if (style.contains(asGradient) || style.contains(asBitmapFit) || style.contains(asBitmap))
    maskCanvas.drawText(QPoint(x, y + maskCanvas.fontMetrics().ascent()), m_caption);
  maskCanvas.end();
  DrawMasked(screen, 0, 0, mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither), m_work);
}

// --- Mouse -----------------------------------------------------------------------

}  // namespace paxamon
