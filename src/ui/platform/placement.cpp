#include "ui/platform/placement.h"

#include <QMargins>
#include <QWidget>

namespace paxamon {

namespace {

// The window manager's frame around a window's client area; empty until the
// window has been shown once.
QMargins frameMargins(const QWidget* window) {
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

QMargins knownFrame(const QWidget* window, const QWidget* standIn) {
  const QMargins own = frameMargins(window);
  return own.isNull() && standIn ? frameMargins(standIn) : own;
}

}  // namespace

void placeFrame(QWidget* window, QPoint frameTopLeft, const QWidget* standIn) {
  const QMargins frame = knownFrame(window, standIn);
  window->setGeometry(
      QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window->geometry().size()));
}

QSize expectedFrameSize(const QWidget* window, const QWidget* standIn) {
  return window->geometry().size().grownBy(knownFrame(window, standIn));
}

}  // namespace paxamon
