#include "ui/auxiliary/Uhelp.h"

#include <QEvent>
#include <QPainter>
#include <QShowEvent>

#include "ui/components/OButton.h"
#include "ui/platform/colors.h"
#include "ui/platform/placement.h"
#include "ui/platform/windowtimer.h"

namespace paxamon {

TForm3::TForm3(QWidget* mainWindow) : QWidget(mainWindow), mainWindow_(mainWindow) {
  // Closing only hides the window; it never keeps the program running.
  setAttribute(Qt::WA_QuitOnClose, false);
  createControls();
  connect(OfficeButton1, &TOfficeButton::clicked, this, &TForm3::BI_GradientButton1Click);
  // The timer runs from creation on: shortly after the program starts it
  // makes the main window active once.
  connect(Timer1, &TTimer::timeout, this, &TForm3::Timer1Timer);
}

QPoint TForm3::placement(const QRect& mainFrame) {
  return {mainFrame.left() + mainFrame.width(), mainFrame.top() + 21};
}

void TForm3::Toggle() {
  if (isVisible()) {
    close();
  } else {
    show();
  }
}

void TForm3::FormShow() {
  if (mainWindow_) {
    placeFrame(this, placement(outerFrame(mainWindow_)), frameMargins(this, mainWindow_));
  }
  Timer1->setEnabled(true);
}

void TForm3::FormActivate() {
  Timer1->setEnabled(true);
}

void TForm3::Timer1Timer() {
  // Activation goes back to the main window, which comes to the front.
  if (mainWindow_) {
    mainWindow_->activateWindow();
    mainWindow_->raise();
  }
  Timer1->setEnabled(false);
}

void TForm3::BI_GradientButton1Click() {
  close();
}

void TForm3::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), toQColor(clInfoBk));
}

void TForm3::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Only the showing asked for by the program docks the window, not the
  // window system's own notices (a restore after minimising).
  if (!event->spontaneous()) FormShow();
}

bool TForm3::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(event);
}

}  // namespace paxamon
