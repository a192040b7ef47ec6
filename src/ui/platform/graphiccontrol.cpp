#include "ui/platform/graphiccontrol.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPointer>

namespace paxamon {

bool TGraphicControl::hasClickHandler() const {
  return isSignalConnected(QMetaMethod::fromSignal(&TGraphicControl::clicked));
}

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

void TGraphicControl::setKeyboardOperable(bool operable) {
  keyboardOperable_ = operable;
  setFocusPolicy(operable ? Qt::TabFocus : Qt::NoFocus);
}

bool TGraphicControl::event(QEvent* event) {
  // Tab in a window whose only stop is this control leaves the focus here:
  // the keyboard is in use all the same.
  if (event->type() == QEvent::KeyPress && keyboardOperable_ && !focusCue_) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      focusCue_ = true;
      update();
    }
  }
  return QWidget::event(event);
}

void TGraphicControl::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (keyboardOperable_ && plain && !event->isAutoRepeat() &&
      (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
    focusCue_ = true;
    performClick();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TGraphicControl::focusInEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
      reason == Qt::ShortcutFocusReason) {
    focusCue_ = true;
  }
  update();
  QWidget::focusInEvent(event);
}

void TGraphicControl::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

}  // namespace paxamon
