// Placing a window by its outer frame, as the original platform's window
// positions meant. Qt places a window by its client area and learns the
// frame the window manager draws around it only some time after the window
// is shown, so the frame is asked of the window manager itself: on X11 the
// window's frame extents, requested before its first showing
// (_NET_REQUEST_FRAME_EXTENTS) so that even the first showing lands at the
// right place. Elsewhere (no X11, or a window manager that does not answer)
// what Qt knows of the frame is used, else a stand-in window's frame.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace paxamon {

// The frame around window's client area: its own as the window manager
// reports it (asked for when not known yet), else standIn's, else none.
// window must be a top-level window; it is created if it does not exist yet.
QMargins frameMargins(QWidget* window, const QWidget* standIn = nullptr);

// The outer frame of a shown top-level window in screen coordinates.
QRect outerFrame(const QWidget* window);

// Moves window, whose frame is frame (frameMargins), so that the top-left
// corner of its outer frame lands at frameTopLeft.
void placeFrame(QWidget* window, QPoint frameTopLeft, const QMargins& frame);

// Places window with its outer frame in the middle of screen (its own
// screen when null).
void centreOnScreen(QWidget* window, const QScreen* screen = nullptr);

}  // namespace paxamon
