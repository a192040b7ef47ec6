// Help context numbers, as the original platform kept them on controls and
// menu items, and the request for a control's context help (the platform's
// help message). The help subsystem (src/ui/help/) answers the requests;
// without it they go unanswered.
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

// A control marked so (and everything inside it) gets F1 as a normal key
// and asks for its context help itself, with requestContextHelp, once its
// own key handling is done.
void setHandlesF1(QWidget* widget, bool own);
bool handlesF1(const QWidget* widget);  // the widget or one of its parents

// Asks for the context help of widget, to be shown below it: a What's This
// help event sent to the widget.
void requestContextHelp(QWidget* widget);

}  // namespace paxamon
