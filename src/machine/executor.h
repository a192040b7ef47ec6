// The executor: runs the program in memory from cell 0, one instruction per
// step, and reports every step to a view (the main window, or a recorder).
#pragma once

#include <string_view>

#include "machine/runview.h"
#include "machine/state.h"

namespace paxamon {

// How a run ended.
enum class RunEnding {
  End,             // END executed
  PassedLastCell,  // the step in cell 31 was not a taken jump
  Error,           // a run error was reported
  Cancelled,       // cancelled after a step (dialog, Escape, step limit)
};

using PauseFunction = void (*)();

// One whole run against the view. `pause` is made after every step of a
// full run; pass nullptr to leave it out.
RunEnding run(MachineState& state, RunView& view, PauseFunction pause);

// Start of a run: memory from the grid texts (cut), registers, count and
// flags reset. The register displays are emptied by the run.
void resetForRun(MachineState& state, const CellTexts& gridTexts);

// Shows "FEHLER: " + message and stops the run.
void reportRunError(MachineState& state, RunView& view, std::string_view message);

}  // namespace paxamon
