#include "machine/runmode.h"

#include <cmath>

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

namespace {
// Keeps the result of the pause alive so the work is not optimised away.
volatile long double pauseSink;
}  // namespace

void fullRunPause() {
  long double x = 6.50900000001e183L;
  for (int i = 0; i < 50000; ++i) {
    x = std::sqrt(std::fabs(std::sqrt(x * 322222222.0L) * -194313216.0L));
  }
  pauseSink = x;
}

}  // namespace paxamon
