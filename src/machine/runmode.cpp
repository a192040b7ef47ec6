#include "machine/runmode.h"

namespace paxamon {

void afterStep(MachineState& state, RunView& view, PauseFunction pause) {
  if (state.singleStep) {
    if (view.showStepDialog() == StepChoice::Cancel) state.running = false;
    return;
  }
  view.repaintNow();
  if (pause) pause();
  if (view.stopRequested()) state.running = false;
}

}  // namespace paxamon
