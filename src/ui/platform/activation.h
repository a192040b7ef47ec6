// Activation as the original platform handled it: when a modal window
// closes (a dialog, a message box, the about box), its owner window becomes
// the active window again, so the user can type on at once. X11 window
// managers leave that to chance when several windows close together.
#pragma once

namespace paxamon {

// Installs the application-wide handling; repeated calls do nothing more.
void installOwnerActivation();

}  // namespace paxamon
