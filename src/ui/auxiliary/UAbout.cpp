#include "ui/auxiliary/UAbout.h"

#include <QKeyEvent>
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
  // A left click anywhere on the card closes the box (the panel fills the
  // window); a press on the picture, icon or texts may start the credits.
  connect(Panel1, &TGraphicControl::clicked, this, &TAbout::OKButtonClick);
  for (TGraphicControl* control :
       std::initializer_list<TGraphicControl*>{Image1, ProgramIcon, Copyright, Titel, ArtLabel1}) {
    connect(control, &TGraphicControl::clicked, this, &TAbout::OKButtonClick);
    connect(control, &TGraphicControl::mouseDown, this,
            [this](Qt::MouseButton button) { CopyrightMouseDown(button); });
  }
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
  // The context-menu key (or Shift+F10) is the keyboard's right button:
  // it plays the credits, as a right-button press does.
  const auto mods = event->modifiers() & ~Qt::KeypadModifier;
  if ((event->key() == Qt::Key_Menu && mods == Qt::NoModifier) ||
      (event->key() == Qt::Key_F10 && mods == Qt::ShiftModifier)) {
    event->accept();
    CopyrightMouseDown(Qt::RightButton);
    return;
  }
  FormKeyPress(event);
  event->accept();  // Escape and Enter do nothing else here
}

}  // namespace paxamon
