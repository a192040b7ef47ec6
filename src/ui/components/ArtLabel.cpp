#include "ui/components/ArtLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/platform/accessible.h"
#include "ui/platform/drawing.h"
#include "ui/platform/fonts.h"
#include "ui/platform/property.h"

namespace paxamon {

namespace {

// A text for assistive technology: the caption, which is drawn as it stands.
class ArtLabelAccessible : public ControlAccessible {
 public:
  explicit ArtLabelAccessible(TArtLabel* label)
      : ControlAccessible(label, QAccessible::StaticText) {}

 protected:
  QString name() const override {
    return static_cast<TArtLabel*>(widget())->caption().simplified();
  }
  QString value() const override { return name(); }
  bool hasText() const override { return true; }
};

}  // namespace

TArtLabel::TArtLabel(QWidget* parent) : TGraphicControl(parent), gradient_(new TGradient(this)) {
  registerAccessibleFor<TArtLabel, ArtLabelAccessible>();
  setAttribute(Qt::WA_OpaquePaintEvent);  // not transparent yet
  resize(64, 25);
  connect(gradient_, &TGradient::changed, this, &TArtLabel::GradientChanged);
  gradient_->setColor1(clSilver);
  gradient_->setColor2(clGray);
  gradient_->setColor3(clBlack);
  gradient_->setColorCount(3);
  gradient_->setLineSize(2);
  gradient_->setGradientStyle(gsLine);
  gradientStale_ = true;
  // 24 points at the 96 pixels per inch the windows were designed for.
  setFont(makeFont(QStringLiteral("Arial"), 32, {.bold = true}));
}

// --- Properties ----------------------------------------------------------------

void TArtLabel::setArtStyle(TArtStyle value) {
  if (!storeIfChanged(artStyle_, value)) return;
  repaint();
}

void TArtLabel::setCaption(const QString& value) {
  if (!storeIfChanged(caption_, value)) return;
  repaint();
  notifyNameChanged(this);
}

void TArtLabel::setFontColor(TColor value) {
  if (!storeIfChanged(fontColor_, value)) return;
  repaint();
}

void TArtLabel::setTransparent(bool value) {
  if (!storeIfChanged(transparent_, value)) return;
  // Opaque, the label covers its whole area and Qt need not paint beneath.
  setAttribute(Qt::WA_OpaquePaintEvent, !value);
  repaint();
}

void TArtLabel::setColor(TColor value) {
  if (!storeIfChanged(color_, value)) return;
  repaint();
}

void TArtLabel::setBitmap(const QImage& value) {
  if (&value == &bitmap_) return;
  bitmap_ = value;
  if (artStyle_.contains(asBitmap) || artStyle_.contains(asBitmapFit)) repaint();
}

void TArtLabel::setShadowColor(TColor value) {
  if (!storeIfChanged(shadowColor_, value)) return;
  if (artStyle_.contains(asShadow)) repaint();
}

void TArtLabel::setOutlineColor(TColor value) {
  if (!storeIfChanged(outlineColor_, value)) return;
  if (artStyle_.contains(asOutlined)) repaint();
}

void TArtLabel::setAutoSize(bool value) {
  if (!storeIfChanged(autoSize_, value)) return;
  repaint();
}

void TArtLabel::setShadowLength(int value) {
  if (!storeIfChanged(shadowLength_, value)) return;
  if (artStyle_.contains(asShadow)) repaint();
}

void TArtLabel::setGradient(const TGradient* source) {
  if (source && source != gradient_) gradient_->AssignValues(*source);
}

void TArtLabel::setTextAlign(TAlignment value) {
  if (!storeIfChanged(textAlign_, value)) return;
  repaint();
}

void TArtLabel::GradientChanged() {
  gradientStale_ = true;
  if (artStyle_.contains(asGradient)) repaint();
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
  const QSize text = textExtent(drawingFont(), caption_);
  const int w = labelSize.width(), h = labelSize.height();
  switch (textAlign_) {
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
  if (!gradientStale_ && gradientPicture_.size() == size) return;
  gradientPicture_ = QImage(size, QImage::Format_RGB32);
  gradientPicture_.fill(toQColor(fontColor_));
  QPainter canvas(&gradientPicture_);
  GradientFill(canvas, QRect(QPoint(0, 0), size), *gradient_);
  canvas.end();
  gradientStale_ = false;
}

void TArtLabel::paintEvent(QPaintEvent*) {
  const QSize size = this->size();  // the paint goes on at this size
  const QFont textFont = drawingFont();
  if (autoSize_) {
    // The label takes the caption's size; Qt paints it again at that size.
    const QSize text = textExtent(textFont, caption_);
    const QSize wanted(text.width() + 4, textExtent(textFont, QStringLiteral("Wg")).height() + 4);
    if (wanted != size) resize(wanted);
  }
  if (size.isEmpty()) return;

  work_ = QImage(size, QImage::Format_RGB32);
  work_.fill(toQColor(color_));
  const QPoint at = textPosition(size);
  const int x = at.x(), y = at.y();
  const TColor light = LightenColor(color_, 64), dark = DarkenColor(color_, 64);

  QPainter work(&work_);
  work.setFont(textFont);
  work.setPen(toQColor(fontColor_));
  const TArtStyle style = artStyle_;
  if (style.contains(asShadow))
    DrawShadowText(work, x, y, caption_, shadowColor_, shadowLength_, shadowLength_);
  if (style.contains(asOutlined))
    DrawOutlinedText(work, x, y, caption_, outlineColor_);
  else if (style.contains(as3DSunk))
    Draw3DText(work, caption_, x, y, dark, light);
  else if (style.contains(as3DRaise))
    Draw3DText(work, caption_, x, y, light, dark);
  if (style.contains(asGradient)) {
    updateGradientPicture(size);
    DrawTextFilledFit(work, x, y, caption_, gradientPicture_);
  } else if (style.contains(asBitmapFit)) {
    DrawTextFilledFit(work, x, y, caption_, bitmap_);
  } else if (style.contains(asBitmap)) {
    DrawTextFilled(work, x, y, caption_, bitmap_);
  }
  work.end();

  QPainter screen(this);
  if (!transparent_) {
    screen.setCompositionMode(QPainter::CompositionMode_Source);
    screen.drawImage(0, 0, work_);
    return;
  }
  // Transparent: only the glyph pixels come from the composed label.
  QImage mask(size, QImage::Format_RGB32);
  mask.fill(Qt::white);
  QPainter maskCanvas(&mask);
  maskCanvas.setFont(textFont);
  maskCanvas.setPen(Qt::black);
  if (style.contains(asShadow))
    DrawShadowText(maskCanvas, x, y, caption_, clBlack, shadowLength_, shadowLength_);
  if (style.contains(asOutlined)) DrawOutlinedText(maskCanvas, x, y, caption_, clBlack);
  if (style.contains(as3DSunk) || style.contains(as3DRaise))
    Draw3DText(maskCanvas, caption_, x, y, clBlack, clBlack);
  // The fills mark their glyphs too, so that a label with only a fill style
  // still shows its text.
  if (style.contains(asGradient) || style.contains(asBitmapFit) || style.contains(asBitmap))
    maskCanvas.drawText(QPoint(x, y + maskCanvas.fontMetrics().ascent()), caption_);
  maskCanvas.end();
  DrawMasked(screen, 0, 0, mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither), work_);
}

// --- Mouse -----------------------------------------------------------------------

}  // namespace paxamon
