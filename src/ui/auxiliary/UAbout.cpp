#include "ui/auxiliary/UAbout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>

#include "ui/auxiliary/UPlay.h"
#include "ui/components/ArtLabel.h"
#include "ui/platform/controls.h"
#include "ui/platform/image.h"
#include "ui/platform/panel.h"
#include "ui/platform/placement.h"

namespace paxamon {

TAbout::TAbout(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  createControls();
  bindHandlers();
}

void TAbout::bindHandlers() {
  // Left clicks on the picture, icon and texts close the box; the panel's
  // and the window's own clicks arrive in mouseReleaseEvent.
  Image1->OnClick = [this] { OKButtonClick(); };
  ProgramIcon->OnClick = [this] { OKButtonClick(); };
  Copyright->OnClick = [this] { OKButtonClick(); };
  connect(Titel, &TArtLabel::clicked, this, &TAbout::OKButtonClick);
  connect(ArtLabel1, &TArtLabel::clicked, this, &TAbout::OKButtonClick);

  // A press on any of them may start the credits.
  const auto down = [this](Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    CopyrightMouseDown(button);
  };
  Image1->OnMouseDown = down;
  ProgramIcon->OnMouseDown = down;
  const auto artDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers, Qt::MouseButtons, int,
                              int) { CopyrightMouseDown(button); };
  connect(Titel, &TArtLabel::mouseDown, this, artDown);
  connect(ArtLabel1, &TArtLabel::mouseDown, this, artDown);
  // The plain label reports no presses of its own.
  Copyright->installEventFilter(this);
}

void TAbout::OKButtonClick() {
  close();
}

void TAbout::FormKeyPress(QKeyEvent* event) {
  // A key that types a character closes the box; arrows, function keys,
  // Shift and the like do not, nor Alt with a letter (a menu key).
  const QString text = event->text();
  if (text.isEmpty() || event->key() == Qt::Key_Delete || (event->modifiers() & Qt::AltModifier))
    return;
  OKButtonClick();
}

void TAbout::CopyrightMouseDown(Qt::MouseButton button) {
  if (button != Qt::RightButton) return;
  // The box closes, but stays on screen beneath the roll until the roll is
  // left, as a modal box does that is closed from inside a handler.
  if (Form4) Form4->exec();
  OKButtonClick();
}

void TAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  centreOnScreen(this);
}

void TAbout::keyPressEvent(QKeyEvent* event) {
  FormKeyPress(event);
  event->accept();  // Escape and Enter do nothing else here
}

void TAbout::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) clickPending_ = true;
}

void TAbout::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = event->button() == Qt::LeftButton && clickPending_;
  if (event->button() == Qt::LeftButton) clickPending_ = false;
  if (click) OKButtonClick();
}

bool TAbout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Copyright && event->type() == QEvent::MouseButtonPress) {
    CopyrightMouseDown(static_cast<QMouseEvent*>(event)->button());
    return true;  // the label's own click still follows its release
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace paxamon
