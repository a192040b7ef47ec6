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

#include "ui/platform/dialogkeys.h"
#include "ui/platform/drawing.h"
#include "ui/platform/property.h"

namespace paxamon {

// --- TBI_basebutton ------------------------------------------------------------------

TBI_basebutton::TBI_basebutton(QWidget* parent) : TGraphicControl(parent) {
  m_lowColor = std::uint8_t(displayColorDepth()) < 16;
  // The button covers its whole rectangle.
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(25, 25);
  // The caption's access letter works with Alt, ahead of the menu bar.
  installAccessKeys();
}

TBI_basebutton::~TBI_basebutton() = default;

QChar TBI_basebutton::accessKey() const {
  return accelChar(m_caption);
}

bool TBI_basebutton::acceptsAccessKey() const {
  return m_enabled && isVisible();
}

void TBI_basebutton::activateByAccessKey() {
  DialogChar(accessKey());
}

void TBI_basebutton::setLightColor(TColor value) {
  if (!storeIfChanged(m_lightColor, value)) return;
  update();
}

void TBI_basebutton::setShadowColor(TColor value) {
  m_shadowColor = value;
  update();
}

void TBI_basebutton::AssignGlyph(const QImage& picture) {
  m_glyph = picture;
  if (!picture.isNull() && picture.height() != 0) {
    const bool mono =
        picture.format() == QImage::Format_Mono || picture.format() == QImage::Format_MonoLSB;
    m_glyphTransparentColor =
        mono ? clWhite : fromQColor(QColor(picture.pixel(0, picture.height() - 1)));
    if (picture.width() % picture.height() == 0)
      m_numGlyphs = std::uint8_t(picture.width() / picture.height());
    m_frameWidth = m_numGlyphs > 0 ? m_glyph.width() / m_numGlyphs : m_glyph.width();
  } else {
    m_frameWidth = 0;
    m_numGlyphs = 0;
  }
  update();
}

void TBI_basebutton::Loaded() {
  AssignGlyph(QImage(m_glyph));
}

void TBI_basebutton::setDropDownMenu(QMenu* menu) {
  if (m_dropDownMenu) disconnect(m_dropDownMenu, &QObject::destroyed, this, nullptr);
  m_dropDownMenu = menu;
  if (menu) connect(menu, &QObject::destroyed, this, &TBI_basebutton::DropDownMenuDestroyed);
  if (m_markDropDown) update();
}

void TBI_basebutton::DropDownMenuDestroyed() {
  m_dropDownMenu = nullptr;
  update();
}

void TBI_basebutton::setGrayedInactive(bool value) {
  if (!storeIfChanged(m_grayedInactive, value)) return;
  update();
}

void TBI_basebutton::setCaption(const QString& value) {
  if (!storeIfChanged(m_caption, value)) return;
  update();
}

void TBI_basebutton::setLayout(TButtonLayout value) {
  if (!storeIfChanged(m_layout, value)) return;
  update();
}

void TBI_basebutton::setBevelWidth(int value) {
  if (!storeIfChanged(m_bevelWidth, value)) return;
  update();
}

void TBI_basebutton::setFontColor(TColor value) {
  if (!storeIfChanged(m_fontColor, value)) return;
  update();
}

void TBI_basebutton::setDown(bool value) {
  if (value == m_down || m_groupIndex == 0) return;
  m_down = value;
  update();
  if (!value || !parentWidget()) return;
  // Release the other buttons of the group; their own write rules do not run.
  for (QObject* child : parentWidget()->children()) {
    auto* other = qobject_cast<TBI_basebutton*>(child);
    if (other && other != this && other->m_groupIndex == m_groupIndex && other->m_down) {
      other->m_down = false;
      other->update();
    }
  }
}

void TBI_basebutton::setGroupIndex(int value) {
  if (!storeIfChanged(m_groupIndex, value)) return;
  if (value == 0 && m_down) {
    m_down = false;
    update();
  }
}

void TBI_basebutton::setButtonEnabled(bool value) {
  if (!storeIfChanged(m_enabled, value)) return;
  update();
}

void TBI_basebutton::setFlat(bool value) {
  m_flat = value;
  m_showBevel = !value;
  update();
}

void TBI_basebutton::setMarkDropDown(bool value) {
  if (!storeIfChanged(m_markDropDown, value)) return;
  update();
}

void TBI_basebutton::setSpacing(int value) {
  m_spacing = value;
  update();
}

// --- Mouse and keyboard ---------------------------------------------------------------

void TBI_basebutton::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                               Qt::MouseButtons held, QPoint pos) {
  QPointer<TBI_basebutton> self(this);
  TGraphicControl::MouseDown(button, modifiers, held, pos);
  if (!self || button != Qt::LeftButton || !m_enabled) return;
  m_state = bsPressed;
  repaint();
  if (!m_dropDownMenu) return;
  QCoreApplication::processEvents();
  if (!self || !m_dropDownMenu) return;
  m_showBevel = !m_flat;
  m_state = bsUp;
  repaint();
  m_dropDownMenu->exec(mapToGlobal(QPoint(0, height())));
}

void TBI_basebutton::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                             Qt::MouseButtons held, QPoint pos) {
  QPointer<TBI_basebutton> self(this);
  TGraphicControl::MouseUp(button, modifiers, held, pos);
  if (!self || button != Qt::LeftButton || !m_enabled) return;
  m_state = bsUp;
  repaint();
}

void TBI_basebutton::enterEvent(QEnterEvent*) {
  m_showBevel = true;
  if (m_flat) repaint();
}

void TBI_basebutton::leaveEvent(QEvent*) {
  m_showBevel = !m_flat;
  if (m_flat) repaint();
}

void TBI_basebutton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) update();
  QWidget::changeEvent(event);
}

bool TBI_basebutton::DialogChar(QChar ch) {
  const QChar accel = accelChar(m_caption);
  if (accel.isNull() || accel.toCaseFolded() != ch.toCaseFolded() || !m_enabled || !isVisible())
    return false;
  // Handlers may run in between and even destroy the button.
  QPointer<TBI_basebutton> self(this);
  const QPoint pos = mapFromGlobal(QCursor::pos());
  QCoreApplication::processEvents();
  if (!self) return true;
  MouseDown(Qt::LeftButton, Qt::NoModifier, Qt::LeftButton, pos);
  if (!self) return true;
  QCoreApplication::processEvents();
  if (!self) return true;
  MouseUp(Qt::LeftButton, Qt::NoModifier, Qt::LeftButton, pos);
  if (!self) return true;
  QCoreApplication::processEvents();
  if (!self) return true;
  emit clicked();
  return true;
}

// --- Drawing ---------------------------------------------------------------------------

QImage TBI_basebutton::framePicture() const {
  const int frames = m_numGlyphs;
  int index = !m_enabled ? 1 : m_state == bsPressed ? 2 : 0;
  if (index >= std::max(frames, 1)) index = 0;
  QImage frame = m_glyph.copy(index * m_frameWidth, 0, m_frameWidth, m_glyph.height())
                     .convertToFormat(QImage::Format_RGB32);
  const bool gray = m_flat && !m_showBevel && !m_down && m_grayedInactive;
  const qint64 area = qint64(frame.width()) * frame.height();
  if (!gray || frame.isNull() || area > 10000) return frame;
  // Gray it: four levels by brightness; the background (top-left) stays.
  const QRgb background = frame.pixel(0, 0) & RGB_MASK;
  const QRgb light = toQColor(m_lightColor).rgb(), shadow = toQColor(m_shadowColor).rgb();
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
  const bool sunken = m_state == bsPressed || m_down;
  if (m_showBevel && m_flat) {
    QColor top = toQColor(m_lightColor), bottom = toQColor(m_shadowColor);
    if (sunken) std::swap(top, bottom);
    drawEdgeRings(canvas, QRect(0, 0, w, h), m_bevelWidth, top, bottom);
  } else if (!m_flat && m_bevelWidth > 0) {
    drawButtonEdge(canvas, QRect(0, 0, w, h), sunken);
  }
}

void TBI_basebutton::DrawContent(QPainter& canvas) {
  const int w = width(), h = height();
  const int f = m_frameWidth;
  const bool hasGlyph = !m_glyph.isNull() && m_glyph.height() != 0;
  const int gh = hasGlyph ? m_glyph.height() : 0;
  canvas.setFont(font());
  const QSize extent = textExtent(font(), m_caption);
  const int tw = extent.width(), th = extent.height();
  const bool mark = m_markDropDown && m_dropDownMenu;
  const int a = mark ? 4 : 0;
  const int total = gh + th + 2 + m_spacing;

  int tx = 0, ty = 0, gx = 0, gy = 0, mx = 0;
  switch (m_layout) {
    case blGlyphLeft:
      tx = w / 2 - tw / 2 + f / 2 + m_spacing;
      ty = h / 2 - th / 2;
      gx = tx - m_spacing - f;
      gy = h / 2 - gh / 2;
      mx = tx + tw + 2;
      break;
    case blGlyphRight:
      tx = w / 2 - tw / 2 - m_spacing - f / 2;
      ty = h / 2 - th / 2;
      gx = w / 2 + tw / 2 + m_spacing - f / 2;
      gy = h / 2 - gh / 2;
      mx = tx - 4;
      break;
    case blGlyphTop:
      tx = w / 2 - tw / 2 - a;
      ty = h / 2 - total / 2 + gh + m_spacing;
      gx = w / 2 - f / 2;
      gy = ty - gh - m_spacing;
      mx = tx + tw + 2 + a / 2;
      break;
    case blGlyphBottom:
      // The glyph below the caption, the pair about the middle.
      tx = w / 2 - tw / 2 - a;
      ty = h / 2 - total / 2;
      gx = w / 2 - f / 2;
      gy = ty + th + m_spacing;
      mx = tx + tw + 2 + a / 2;
      break;
  }

  // Caption, without background; grayed twice over when disabled.
  canvas.setBrush(Qt::NoBrush);
  QColor textColor = toQColor(m_fontColor);
  if (m_enabled) {
    canvas.setPen(QPen(textColor, canvas.pen().widthF()));
    drawAccelText(canvas, QPoint(tx, ty), m_caption);
  } else {
    textColor = toQColor(clSilver);
    canvas.setPen(QPen(textColor, canvas.pen().widthF()));
    drawAccelText(canvas, QPoint(tx, ty), m_caption);
    textColor = toQColor(clGray);
    canvas.setPen(QPen(textColor, canvas.pen().widthF()));
    drawAccelText(canvas, QPoint(tx + 2, ty + 2), m_caption);
  }

  if (mark) {
    canvas.setBrush(textColor);
    const QPoint triangle[] = {{mx, ty + 1}, {mx + 3, ty + 1}, {mx + 2, ty + 3}};
    canvas.drawPolygon(triangle, 3);
  }

  if (hasGlyph && f > 0)
    drawTransparent(canvas, QPoint(gx, gy), framePicture(),
                    toQColor(m_glyphTransparentColor).rgb());

  drawBevel(canvas);
}

// --- TBI_GradientButton -----------------------------------------------------------------

TBI_GradientButton::TBI_GradientButton(QWidget* parent) : TBI_basebutton(parent) {}

void TBI_GradientButton::setVertical(bool value) {
  m_vertical = value;
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
      const int size = m_vertical ? h : w;
      for (int i = 0; i <= size; ++i) {
        pen.setColor(QColor(gradientChannel(light.red(), shadow.red(), i, size),
                            gradientChannel(light.green(), shadow.green(), i, size),
                            gradientChannel(light.blue(), shadow.blue(), i, size)));
        canvas.setPen(pen);
        if (m_vertical)
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
