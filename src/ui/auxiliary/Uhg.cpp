#include "ui/auxiliary/Uhg.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

#include "ui/auxiliary/UPlay.h"
#include "ui/platform/controls.h"

namespace paxamon {

// --- Design-time layout ------------------------------------------------------

void TForm5::createControls() {
  setWindowTitle(QStringLiteral("Hintergrund für die Credits"));
  frame = new TBevel(TBevelShape::bsFrame, TBevelStyle::bsRaised, this);
  frame->setGeometry(0, 0, 50, 50);  // placed when shown
}

// --- Behaviour ------------------------------------------------------------------

TForm5::TForm5(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  createControls();
  // Disabled: no mouse or keyboard input reaches it.
  setEnabled(false);
  setAttribute(Qt::WA_ShowWithoutActivating);
}

QRect TForm5::framePlacement(QSize screen, QSize roll) {
  // Integer halves truncate toward zero, as the layout was computed.
  return {(screen.width() - roll.width()) / 2 - 1, (screen.height() - roll.height()) / 2 - 2,
          roll.width() + 3, roll.height() + 3};
}

void TForm5::FormShow() {
  if (!Form4) return;
  const QScreen* screen = Form4->screen() ? Form4->screen() : QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->geometry().size() : size();
  frame->setGeometry(framePlacement(screenSize, Form4->size()));
  Form4->activateWindow();
  Form4->raise();
}

void TForm5::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm5::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), Qt::black);
}

}  // namespace paxamon
