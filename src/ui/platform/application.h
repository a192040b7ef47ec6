// The look and language every window shares, set once at program start:
// the Fusion style drawn in the classic system colours, Qt's own texts
// (file dialogs, standard buttons) in German, and the program's icon on
// every window.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace paxamon {

// The application title: the program's name, the task caption and the
// caption of the plain message box.
inline const QString kApplicationTitle = QStringLiteral("Paxamon");

// Call once, before the QApplication is created: Qt takes the locale of what
// it formats itself (sizes and dates in the file dialogs) from the
// environment while the application starts, so for that moment the
// environment names German; and it runs the program on X11 as
// platformForStart says.
void prepareApplication();

// The program's windows place themselves (centred, the step dialog under
// the main window, the overview docked at it), which a Wayland client
// cannot do: unless the user chose a platform (QT_QPA_PLATFORM), the
// program runs on X11 where there is an X display (XWayland on a Wayland
// session). The platform to set, or nothing.
std::optional<QByteArray> platformForStart(bool userChose, bool x11Display);

// Call once, after the QApplication exists. Puts the environment and the C
// library's locale back as the user had them.
void initApplication();

// The program's icon, 32 x 32: a black chip with yellow pins, drawn
// diagonally (also installed as the desktop icon).
QImage programIcon();

}  // namespace paxamon
