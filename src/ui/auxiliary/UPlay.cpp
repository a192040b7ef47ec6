#include "ui/auxiliary/UPlay.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QShowEvent>
#include <cmath>

#include "ui/auxiliary/Uhg.h"
#include "ui/components/bi_btns.h"
#include "ui/platform/panel.h"
#include "ui/platform/windowtimer.h"

namespace paxamon {

namespace {

// A floating-point computation whose result is thrown away: the short
// pause between the two moves of a roll step.
void busyWait(int rounds) {
  volatile long double sink = 0;
  long double value = 2.0L;
  for (int i = 0; i < rounds; ++i) {
    value = std::sqrt(std::fabs(std::sqrt(value * 1.000123L) * 0.999877L));
    sink = value;
  }
  (void)sink;
}

}  // namespace

TForm4::TForm4(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  createControls();
  connect(BI_GradientButton2, &TBI_GradientButton::clicked, this, &TForm4::Button1Click);
  connect(Timer1, &TTimer::timeout, this, &TForm4::Timer1Timer);
}

void TForm4::setBackground(TForm5* background) {
  Form5 = background;
  if (Form5) Form5->setRollWindow(this);
}

void TForm4::FormShow() {
  if (Form5) {
    Form5->setWindowState(Form5->windowState() | Qt::WindowMaximized);
    Form5->show();
  }
  activateWindow();
  raise();
  HG->move(HG->x(), kStartTop);
  Timer1->setEnabled(true);
}

void TForm4::Timer1Timer() {
  if (Tag == 1) {  // the end pause is over
    HG->move(HG->x(), kStartTop);
    Tag = 0;
    Timer1->setInterval(kRollInterval);
  }
  HG->move(HG->x(), HG->y() - 1);
  HG->repaint();
  busyWait(BusyWaitRounds);
  HG->move(HG->x(), HG->y() - 1);
  if (HG->y() + HG->height() <= 300) {
    Timer1->setInterval(kPauseInterval);
    Tag = 1;
  }
}

void TForm4::Button1Click() {
  stopRolling();
  close();
}

void TForm4::stopRolling() {
  Timer1->setEnabled(false);
  if (Form5) Form5->close();
}

void TForm4::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm4::closeEvent(QCloseEvent* event) {
  // However the window is closed (also by the window manager), the roll
  // stops and the background goes with it, so no black screen stays behind.
  stopRolling();
  QDialog::closeEvent(event);
}

void TForm4::keyPressEvent(QKeyEvent* event) {
  // Not a dialog with a cancel button: Escape does not leave the roll.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TForm4::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), Qt::black);
}

}  // namespace paxamon
