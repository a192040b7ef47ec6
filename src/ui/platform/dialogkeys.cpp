#include "ui/platform/dialogkeys.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/platform/drawing.h"

namespace paxamon {

QPushButton* accessKeyButton(const QWidget* dialog, const QKeyEvent& event) {
  const auto mods = event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
  if ((mods != Qt::NoModifier && mods != Qt::AltModifier) || event.text().isEmpty()) {
    return nullptr;
  }
  const QChar key = event.text().front().toUpper();
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
    if (button->isVisible() && button->isEnabled() && accelChar(button->text()).toUpper() == key) {
      return button;
    }
  }
  return nullptr;
}

}  // namespace paxamon
