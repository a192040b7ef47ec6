// What the executor needs from the window that shows the machine: the one
// seam between the Qt-free core and the window (or a recorder, or the
// headless runner).
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
  // wants the run stopped, as a cancel in the single-step dialog would. (A
  // window takes the user's stop in the pause after the step.)
  virtual bool stopRequested() { return false; }
};

}  // namespace paxamon
