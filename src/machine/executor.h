// The executor: runs the program in memory from cell 0, one instruction per
// step, and reports every step to a view (the main window, or a recorder).
#pragma once

#include <string_view>

#include "machine/state.h"

namespace paxamon {

enum class StepChoice { Next, Cancel };

// What the executor needs from the window that shows the machine.
class RunView {
 public:
  virtual ~RunView() = default;

  virtual CellTexts readCells() = 0;
  virtual void writeCells(const CellTexts& texts) = 0;
  virtual void selectCell(CellAddress address) = 0;

  virtual void setIR(std::string_view text) = 0;
  virtual void setPC(std::string_view text) = 0;
  virtual void setXR(std::string_view text) = 0;
  virtual void setAK(std::string_view text) = 0;
  virtual void setSign(std::string_view text) = 0;
  virtual void setControlPath(std::string_view text) = 0;
  virtual void setDataPath(std::string_view text) = 0;

  // Shows a run error and returns when the user has closed it.
  virtual void showRunError(std::string_view text) = 0;
  // Single steps: waits for the user's choice after a step.
  virtual StepChoice showStepDialog() = 0;
  // Full run: carries out the pending repaint at once.
  virtual void repaintNow() = 0;
  // Full run: asked after every step whether the user (or a step limit)
  // wants the run stopped, as a cancel in the single-step dialog would.
  virtual bool stopRequested() { return false; }
};

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

// Shows "FEHLER: " + message and stops the run.
void reportRunError(MachineState& state, RunView& view, std::string_view message);

}  // namespace paxamon
