// The look and language every window shares, set once at program start:
// the Fusion style drawn in the classic system colours, Qt's own texts
// (file dialogs, standard buttons) in German, and the program's icon on
// every window.
#pragma once

#include <QImage>

namespace paxamon {

// Call once, after the QApplication exists.
void initApplication();

// The program's icon, 32 x 32: a black chip with yellow pins, drawn
// diagonally (also installed as the desktop icon).
QImage programIcon();

}  // namespace paxamon
