#include "ui/platform/placement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
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

void centreOnScreen(QWidget* window, const QScreen* screen) {
  if (!screen) screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const QSize outer = expectedFrameSize(window, nullptr);
  placeFrame(window,
             area.topLeft() +
                 QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2),
             nullptr);
}

}  // namespace paxamon
