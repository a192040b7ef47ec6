// Placing a window by its outer frame, as the original platform's window
// positions meant: the frame the window manager draws is known only once a
// window has been shown, so until then another window's frame stands in.
#pragma once

#include <QPoint>
#include <QSize>

class QScreen;
class QWidget;

namespace paxamon {

// Moves window so that the top-left corner of its outer frame lands at
// frameTopLeft. While window has no known frame yet, the frame of standIn
// (a window of the same window manager) is used instead.
void placeFrame(QWidget* window, QPoint frameTopLeft, const QWidget* standIn);

// The outer size window will have: its own frame if known, else standIn's.
QSize expectedFrameSize(const QWidget* window, const QWidget* standIn);

// Places window with its outer frame in the middle of screen (its own
// screen when null).
void centreOnScreen(QWidget* window, const QScreen* screen = nullptr);

}  // namespace paxamon
