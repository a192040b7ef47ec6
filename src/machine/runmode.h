// The two run modes: single steps, which wait for the user after every
// step, and full run, which repaints and pauses after every step.
#pragma once

#include "machine/executor.h"

namespace paxamon {

// Called by the executor after every completed step.
void afterStep(MachineState& state, RunView& view, PauseFunction pause);

// The pause after each step of a full run: a fixed amount of busy
// floating-point work (50,000 rounds in extended precision).
void fullRunPause();

}  // namespace paxamon
