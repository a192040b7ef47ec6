// Context help: help context numbers on controls and menu items, and the
// keys that ask the help viewer for them.
//
// Once installed (installContextHelp, after the QApplication exists):
// - F1 while a menu item is highlighted shows the pop-up of that item's
//   number; an item without a number asks for topic 0 (the viewer then says
//   there is no such topic). The open menus close first.
// - F1 on the focused control shows the pop-up of its number; a control
//   whose number is 0 passes the question to its parent, and when no
//   number is found up to the window nothing is shown. A control marked
//   with setHandlesF1(widget, true), and everything inside it, gets F1 as a
//   normal key instead and may call showContextHelp itself once its own key
//   handling is done (TStringGrid does so: its key-down handler comes
//   first, as on the original platform).
// - Shift+F1 enters Qt's What's This mode (our stand-in for the "?" caption
//   button); the next click on a control, disabled ones included, then
//   looks up its number the same way. A click where no number is found
//   shows nothing.
#pragma once

class QAction;
class QWidget;

namespace paxamon {

void setHelpContext(QWidget* widget, int context);
int helpContext(const QWidget* widget);  // 0 when none is set
void setHelpContext(QAction* action, int context);
int helpContext(const QAction* action);

// The number the help looks up for a control: its own, or the first one
// found among its parents up to its window; 0 when there is none.
int effectiveHelpContext(const QWidget* widget);

// Shows the pop-up for effectiveHelpContext(widget), below the widget;
// nothing when that is 0.
void showContextHelp(QWidget* widget);

void setHandlesF1(QWidget* widget, bool own);
bool handlesF1(const QWidget* widget);  // the widget or one of its parents

// Installs the application-wide key and click handling; repeated calls do
// nothing more.
void installContextHelp();

}  // namespace paxamon
