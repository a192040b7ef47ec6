#include "ui/platform/graphiccontrol.h"

#include <QMouseEvent>
#include <QPointer>

namespace paxamon {

void TGraphicControl::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                Qt::MouseButtons held, QPoint pos) {
  emit mouseDown(button, modifiers, held, pos.x(), pos.y());
}

void TGraphicControl::MouseMove(Qt::KeyboardModifiers modifiers, Qt::MouseButtons held,
                                QPoint pos) {
  emit mouseMove(modifiers, held, pos.x(), pos.y());
}

void TGraphicControl::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                              Qt::MouseButtons held, QPoint pos) {
  emit mouseUp(button, modifiers, held, pos.x(), pos.y());
}

void TGraphicControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) clickPending_ = acceptsClick();
  MouseDown(event->button(), event->modifiers(), event->buttons(), event->position().toPoint());
}

void TGraphicControl::mouseDoubleClickEvent(QMouseEvent* event) {
  // Handlers may close the window or even destroy the control.
  QPointer<TGraphicControl> self(this);
  if (event->button() == Qt::LeftButton && acceptsClick()) emit doubleClicked();
  if (self) {
    MouseDown(event->button(), event->modifiers(), event->buttons(), event->position().toPoint());
  }
}

void TGraphicControl::mouseMoveEvent(QMouseEvent* event) {
  MouseMove(event->modifiers(), event->buttons(), event->position().toPoint());
}

void TGraphicControl::mouseReleaseEvent(QMouseEvent* event) {
  QPointer<TGraphicControl> self(this);
  const QPoint pos = event->position().toPoint();
  const bool click = event->button() == Qt::LeftButton && clickPending_ && rect().contains(pos);
  if (event->button() == Qt::LeftButton) clickPending_ = false;
  if (clickBeforeRelease_) {
    if (click) emit clicked();
    if (self) MouseUp(event->button(), event->modifiers(), event->buttons(), pos);
  } else {
    MouseUp(event->button(), event->modifiers(), event->buttons(), pos);
    if (self && click && acceptsClick()) emit clicked();
  }
}

}  // namespace paxamon
