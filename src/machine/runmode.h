// The two run modes: single steps, which wait for the user after every
// step, and full run, which repaints and pauses after every step.
#pragma once

#include "machine/executor.h"

namespace paxamon {

// Called by the executor after every completed step.
void afterStep(MachineState& state, RunView& view, PauseFunction pause);

}  // namespace paxamon
