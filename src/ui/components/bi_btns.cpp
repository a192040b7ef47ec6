#include "ui/components/bi_btns.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/platform/accessible.h"
#include "ui/platform/drawing.h"
#include "ui/platform/property.h"

namespace paxamon {

namespace {

// A push button for assistive technology: named by its caption, pressed by
// "Press" or its accelerator.
class ButtonAccessible : public ControlAccessible {
 public:
  explicit ButtonAccessible(TBI_basebutton* button)
      : ControlAccessible(button, QAccessible::Button) {}

  QAccessible::State state() const override {
    QAccessible::State s = ControlAccessible::state();
    s.disabled = !button()->buttonEnabled();
    s.pressed = button()->state() == TBI_basebutton::bsPressed || button()->down();
    return s;
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    const QChar key = button()->accessKey();
    if (action != pressAction() || key.isNull()) return {};
    return {QStringLiteral("Alt+") + key.toUpper()};
  }

 protected:
  QString name() const override { return spokenCaption(button()->caption()); }
  bool clickable() const override { return button()->buttonEnabled(); }

 private:
  TBI_basebutton* button() const { return static_cast<TBI_basebutton*>(widget()); }
};

}  // namespace

// --- TBI_basebutton ------------------------------------------------------------------

TBI_basebutton::TBI_basebutton(QWidget* parent) : TGraphicControl(parent) {
  registerAccessibleFor<TBI_basebutton, ButtonAccessible>();
  lowColor_ = std::uint8_t(displayColorDepth()) < 16;
  // The button covers its whole rectangle.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setKeyboardOperable(true);
  resize(25, 25);
}

TBI_basebutton::~TBI_basebutton() = default;

QChar TBI_basebutton::accessKey() const {
  return accelChar(caption_);
}

bool TBI_basebutton::acceptsAccessKey() const {
  return enabled_ && isVisible();
}

void TBI_basebutton::activateByAccessKey() {
  DialogChar(accessKey());
}

void TBI_basebutton::setLightColor(TColor value) {
  if (!storeIfChanged(lightColor_, value)) return;
  update();
}

void TBI_basebutton::setShadowColor(TColor value) {
  shadowColor_ = value;
  update();
}

void TBI_basebutton::AssignGlyph(const QImage& picture) {
  glyph_ = picture;
  if (!picture.isNull() && picture.height() != 0) {
    const bool mono =
        picture.format() == QImage::Format_Mono || picture.format() == QImage::Format_MonoLSB;
    glyphTransparentColor_ =
        mono ? clWhite : fromQColor(QColor(picture.pixel(0, picture.height() - 1)));
    if (picture.width() % picture.height() == 0)
      numGlyphs_ = std::uint8_t(picture.width() / picture.height());
    frameWidth_ = numGlyphs_ > 0 ? glyph_.width() / numGlyphs_ : glyph_.width();
  } else {
    frameWidth_ = 0;
    numGlyphs_ = 0;
  }
  update();
}

void TBI_basebutton::Loaded() {
  AssignGlyph(QImage(glyph_));
}

void TBI_basebutton::setDropDownMenu(QMenu* menu) {
  if (dropDownMenu_) disconnect(dropDownMenu_, &QObject::destroyed, this, nullptr);
  dropDownMenu_ = menu;
  if (menu) connect(menu, &QObject::destroyed, this, &TBI_basebutton::DropDownMenuDestroyed);
  if (markDropDown_) update();
}

void TBI_basebutton::DropDownMenuDestroyed() {
  dropDownMenu_ = nullptr;
  update();
}

void TBI_basebutton::setGrayedInactive(bool value) {
  if (!storeIfChanged(grayedInactive_, value)) return;
  update();
}

void TBI_basebutton::setCaption(const QString& value) {
  if (!storeIfChanged(caption_, value)) return;
  update();
  notifyNameChanged(this);
}

void TBI_basebutton::setLayout(TButtonLayout value) {
  if (!storeIfChanged(layout_, value)) return;
  update();
}

void TBI_basebutton::setBevelWidth(int value) {
  if (!storeIfChanged(bevelWidth_, value)) return;
  update();
}

void TBI_basebutton::setFontColor(TColor value) {
  if (!storeIfChanged(fontColor_, value)) return;
  update();
}

void TBI_basebutton::setDown(bool value) {
  if (value == down_ || groupIndex_ == 0) return;
  down_ = value;
  update();
  if (!value || !parentWidget()) return;
  // Release the other buttons of the group; their own write rules do not run.
  for (QObject* child : parentWidget()->children()) {
    auto* other = qobject_cast<TBI_basebutton*>(child);
    if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
      other->down_ = false;
      other->update();
    }
  }
}

void TBI_basebutton::setGroupIndex(int value) {
  if (!storeIfChanged(groupIndex_, value)) return;
  if (value == 0 && down_) {
    down_ = false;
    update();
  }
}

void TBI_basebutton::setButtonEnabled(bool value) {
  if (!storeIfChanged(enabled_, value)) return;
  update();
}

void TBI_basebutton::setFlat(bool value) {
  flat_ = value;
  showBevel_ = !value;
  update();
}

void TBI_basebutton::setMarkDropDown(bool value) {
  if (!storeIfChanged(markDropDown_, value)) return;
  update();
}

void TBI_basebutton::setSpacing(int value) {
  spacing_ = value;
  update();
}

// --- Mouse and keyboard ---------------------------------------------------------------

void TBI_basebutton::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                               Qt::MouseButtons held, QPoint pos) {
  QPointer<TBI_basebutton> self(this);
  TGraphicControl::MouseDown(button, modifiers, held, pos);
  if (!self || button != Qt::LeftButton || !enabled_) return;
  state_ = bsPressed;
  repaint();
  if (!dropDownMenu_) return;
  QCoreApplication::processEvents();
  if (!self || !dropDownMenu_) return;
  showBevel_ = !flat_;
  state_ = bsUp;
  repaint();
  dropDownMenu_->exec(mapToGlobal(QPoint(0, height())));
}

void TBI_basebutton::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                             Qt::MouseButtons held, QPoint pos) {
  QPointer<TBI_basebutton> self(this);
  TGraphicControl::MouseUp(button, modifiers, held, pos);
  if (!self || button != Qt::LeftButton || !enabled_) return;
  state_ = bsUp;
  repaint();
}

void TBI_basebutton::enterEvent(QEnterEvent*) {
  showBevel_ = true;
  if (flat_) repaint();
}

void TBI_basebutton::leaveEvent(QEvent*) {
  showBevel_ = !flat_;
  if (flat_) repaint();
}

void TBI_basebutton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) update();
  QWidget::changeEvent(event);
}

bool TBI_basebutton::DialogChar(QChar ch) {
  const QChar accel = accelChar(caption_);
  if (accel.isNull() || accel.toCaseFolded() != ch.toCaseFolded() || !enabled_ || !isVisible())
    return false;
  performClick();
  return true;
}

void TBI_basebutton::performClick() {
  if (!enabled_) return;
  // Handlers may run in between and even destroy the button.
  QPointer<TBI_basebutton> self(this);
  const QPoint pos = mapFromGlobal(QCursor::pos());
  QCoreApplication::processEvents();
  if (!self) return;
  MouseDown(Qt::LeftButton, Qt::NoModifier, Qt::LeftButton, pos);
  if (!self) return;
  QCoreApplication::processEvents();
  if (!self) return;
  MouseUp(Qt::LeftButton, Qt::NoModifier, Qt::LeftButton, pos);
  if (!self) return;
  QCoreApplication::processEvents();
  if (!self) return;
  emit clicked();
}

// --- Drawing ---------------------------------------------------------------------------

QImage TBI_basebutton::framePicture() const {
  const int frames = numGlyphs_;
  int index = !enabled_ ? 1 : state_ == bsPressed ? 2 : 0;
  if (index >= std::max(frames, 1)) index = 0;
  QImage frame = glyph_.copy(index * frameWidth_, 0, frameWidth_, glyph_.height())
                     .convertToFormat(QImage::Format_RGB32);
  const bool gray = flat_ && !showBevel_ && !down_ && grayedInactive_;
  const qint64 area = qint64(frame.width()) * frame.height();
  if (!gray || frame.isNull() || area > 10000) return frame;
  // Gray it: four levels by brightness; the background (top-left) stays.
  const QRgb background = frame.pixel(0, 0) & RGB_MASK;
  const QRgb light = toQColor(lightColor_).rgb(), shadow = toQColor(shadowColor_).rgb();
  for (int y = 0; y < frame.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
    for (int x = 0; x < frame.width(); ++x) {
      const QRgb pixel = line[x];
      if ((pixel & RGB_MASK) == background) continue;
      const int s = qRed(pixel) + qGreen(pixel) + qBlue(pixel);
      line[x] = s > 550 ? qRgb(255, 255, 255) : s > 250 ? light : s > 60 ? shadow : qRgb(0, 0, 0);
    }
  }
  return frame;
}

void TBI_basebutton::drawBevel(QPainter& canvas) const {
  const int w = width(), h = height();
  const bool sunken = state_ == bsPressed || down_;
  if (showBevel_ && flat_) {
    QColor top = toQColor(lightColor_), bottom = toQColor(shadowColor_);
    if (sunken) std::swap(top, bottom);
    drawEdgeRings(canvas, QRect(0, 0, w, h), bevelWidth_, top, bottom);
  } else if (!flat_ && bevelWidth_ > 0) {
    drawButtonEdge(canvas, QRect(0, 0, w, h), sunken);
  }
}

void TBI_basebutton::DrawContent(QPainter& canvas) {
  const int w = width(), h = height();
  const int f = frameWidth_;
  const bool hasGlyph = !glyph_.isNull() && glyph_.height() != 0;
  const int gh = hasGlyph ? glyph_.height() : 0;
  canvas.setFont(font());
  const QSize extent = textExtent(font(), caption_);
  const int tw = extent.width(), th = extent.height();
  const bool mark = markDropDown_ && dropDownMenu_;
  const int a = mark ? 4 : 0;
  const int total = gh + th + 2 + spacing_;

  int tx = 0, ty = 0, gx = 0, gy = 0, mx = 0;
  switch (layout_) {
    case blGlyphLeft:
      tx = w / 2 - tw / 2 + f / 2 + spacing_;
      ty = h / 2 - th / 2;
      gx = tx - spacing_ - f;
      gy = h / 2 - gh / 2;
      mx = tx + tw + 2;
      break;
    case blGlyphRight:
      tx = w / 2 - tw / 2 - spacing_ - f / 2;
      ty = h / 2 - th / 2;
      gx = w / 2 + tw / 2 + spacing_ - f / 2;
      gy = h / 2 - gh / 2;
      mx = tx - 4;
      break;
    case blGlyphTop:
      tx = w / 2 - tw / 2 - a;
      ty = h / 2 - total / 2 + gh + spacing_;
      gx = w / 2 - f / 2;
      gy = ty - gh - spacing_;
      mx = tx + tw + 2 + a / 2;
      break;
    case blGlyphBottom:
      // The glyph below the caption, the pair about the middle.
      tx = w / 2 - tw / 2 - a;
      ty = h / 2 - total / 2;
      gx = w / 2 - f / 2;
      gy = ty + th + spacing_;
      mx = tx + tw + 2 + a / 2;
      break;
  }

  // Caption, without background; grayed twice over when disabled.
  canvas.setBrush(Qt::NoBrush);
  QColor textColor = toQColor(fontColor_);
  if (enabled_) {
    canvas.setPen(QPen(textColor, canvas.pen().widthF()));
    drawAccelText(canvas, QPoint(tx, ty), caption_);
  } else {
    textColor = toQColor(clSilver);
    canvas.setPen(QPen(textColor, canvas.pen().widthF()));
    drawAccelText(canvas, QPoint(tx, ty), caption_);
    textColor = toQColor(clGray);
    canvas.setPen(QPen(textColor, canvas.pen().widthF()));
    drawAccelText(canvas, QPoint(tx + 2, ty + 2), caption_);
  }

  if (mark) {
    canvas.setBrush(textColor);
    const QPoint triangle[] = {{mx, ty + 1}, {mx + 3, ty + 1}, {mx + 2, ty + 3}};
    canvas.drawPolygon(triangle, 3);
  }

  if (hasGlyph && f > 0)
    drawTransparent(canvas, QPoint(gx, gy), framePicture(), toQColor(glyphTransparentColor_).rgb());

  drawBevel(canvas);
  if (showsFocusMark()) drawFocusRect(canvas, QRect(3, 3, w - 6, h - 6), toQColor(fontColor_));
}

// --- TBI_GradientButton -----------------------------------------------------------------

TBI_GradientButton::TBI_GradientButton(QWidget* parent) : TBI_basebutton(parent) {}

void TBI_GradientButton::setVertical(bool value) {
  vertical_ = value;
  repaint();
}

namespace {

// Channel c1 at line 0 to c2 at line size, rounded halves to even.
int gradientChannel(int c1, int c2, int i, int size) {
  if (c1 < c2) return c1 + int(std::nearbyint(static_cast<long double>(c2 - c1) / size * i));
  return c1 - int(std::nearbyint(static_cast<long double>(c1 - c2) / size * i));
}

}  // namespace

void TBI_GradientButton::paintEvent(QPaintEvent* event) {
  const int w = width(), h = height();
  if (w <= 0 || h <= 0) return;
  QImage picture(w, h, QImage::Format_RGB32);
  picture.fill(toQColor(clBtnFace));
  {
    QPainter canvas(&picture);
    const QColor light = toQColor(lightColor()), shadow = toQColor(shadowColor());
    QPen pen(Qt::black, lowColor() ? 2 : 1);
    if (!lowColor() || paint256()) {
      const int size = vertical_ ? h : w;
      for (int i = 0; i <= size; ++i) {
        pen.setColor(QColor(gradientChannel(light.red(), shadow.red(), i, size),
                            gradientChannel(light.green(), shadow.green(), i, size),
                            gradientChannel(light.blue(), shadow.blue(), i, size)));
        canvas.setPen(pen);
        if (vertical_)
          canvas.drawLine(0, i, w, i);
        else
          canvas.drawLine(i, 0, i, h);
      }
    }
    canvas.setPen(pen);
    DrawContent(canvas);
  }
  QPainter screen(this);
  const QRect clip = event->rect();
  screen.drawImage(clip, picture, clip);
}

}  // namespace paxamon
