// Context help: the keys and clicks that ask the help viewer for the help
// context numbers of controls and menu items (see platform/helpcontext.h).
//
// Once installed (installContextHelp, after the QApplication exists):
// - F1 while a menu item is highlighted shows the pop-up of that item's
//   number; an item without a number asks for topic 0, the contents. The
//   open menus close first.
// - F1 on the focused control shows the pop-up of its number below it; a
//   control whose number is 0 passes the question to its parent, and when
//   no number is found up to the window nothing is shown. A control marked
//   with setHandlesF1 gets F1 as a normal key instead and asks with
//   requestContextHelp once its own key handling is done (TStringGrid does
//   so: its key-down handler comes first, as on the original platform).
// - Shift+F1 enters Qt's What's This mode (our stand-in for the "?" caption
//   button); the next click on a control, disabled ones included, then
//   looks up its number the same way. A click where no number is found
//   shows nothing.
#pragma once

namespace paxamon {

// Installs the application-wide key and click handling; repeated calls do
// nothing more.
void installContextHelp();

}  // namespace paxamon
