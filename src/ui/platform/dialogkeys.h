// Access keys, as the original platform had them: a control's access letter
// ("&" before it in the caption) with Alt clicks the control in the window
// that has the keyboard focus, ahead of a menu title with the same letter.
// The plain letter does the same while the focused control takes no typed
// characters (a button, a window without an edit field), except in a window
// that asks for Alt always because its controls take the letters (the main
// window with its memory grids).
//
// Only when no control takes the letter does the menu bar open the menu
// with it. Alt pressed and released alone, or F10, puts the menu bar in
// menu mode, where the plain letter opens a menu ("&Ablauf" by A, while
// Alt+A clicks the button " &Ausführen").
//
// Push buttons take part by their text; custom-drawn controls implement
// AccessKeyControl. The rule is one application-wide event filter.
#pragma once

#include <QChar>

class QKeyEvent;
class QWidget;

namespace paxamon {

class AccessKeyControl {
 public:
  virtual ~AccessKeyControl() = default;
  // The access letter, or a null character.
  virtual QChar accessKey() const = 0;
  // Whether the control can be used now (visible and enabled).
  virtual bool acceptsAccessKey() const = 0;
  // Carries out the control's click.
  virtual void activateByAccessKey() = 0;
};

// Installs the application-wide handling; repeated calls do nothing more.
void installAccessKeys();

// A window whose controls take typed letters: there only Alt plus the
// letter works.
void setAccessKeysNeedAlt(QWidget* window, bool needAlt);

// The control a key event for the focused widget focus would click, or
// nullptr (for tests and for the filter).
QWidget* accessKeyTarget(const QWidget* focus, const QKeyEvent& event);

// Puts the menu bar of window in menu mode, as Alt pressed and released
// alone does; false when the window has no menu bar showing.
bool enterMenuMode(QWidget* window);

}  // namespace paxamon
