// Access keys in dialogs, as the original platform's dialogs had them: a
// button's access letter works with or without Alt while no edit field has
// the focus.
#pragma once

class QKeyEvent;
class QPushButton;
class QWidget;

namespace paxamon {

// The visible, enabled push button of dialog whose access letter the key
// event types, or nullptr.
QPushButton* accessKeyButton(const QWidget* dialog, const QKeyEvent& event);

}  // namespace paxamon
