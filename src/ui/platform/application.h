// The look and language every window shares, set once at program start:
// the Fusion style drawn in the classic system colours, and Qt's own texts
// (file dialogs, standard buttons) in German.
#pragma once

namespace paxamon {

// Call once, after the QApplication exists.
void initApplication();

}  // namespace paxamon
