#include "machine/runmode.h"

#include <gtest/gtest.h>

#include "recording_view.h"

namespace paxamon {
namespace {

int pauses;
void countPause() {
  ++pauses;
}

TEST(RunMode, SingleStepsWaitAndAFullRunRepaintsAndPausesAfterEachStep) {
  for (const bool single : {true, false}) {
    SCOPED_TRACE(single ? "single steps" : "full run");
    MachineState state;
    state.singleStep = single;
    RecordingView view(program({"INC", "INC", "END"}));
    pauses = 0;
    EXPECT_EQ(run(state, view, countPause), RunEnding::End);
    EXPECT_EQ(view.dialogs, single ? 3 : 0);  // after the END step too
    EXPECT_EQ(view.repaints, single ? 0 : 3);
    EXPECT_EQ(pauses, single ? 0 : 3);

    // The step that fails shows no dialog and makes no pause.
    view = RecordingView(program({"INC", "JMP99"}));
    pauses = 0;
    EXPECT_EQ(run(state, view, countPause), RunEnding::Error);
    EXPECT_EQ(view.dialogs + view.repaints, 1);
    EXPECT_EQ(pauses, single ? 0 : 1);
  }
}

TEST(RunMode, CancelEndsTheRunAfterTheStepShown) {
  RecordingView view(program({"LDA05", "INC", "END", "", "", "7"}));
  view.limit = 1;
  MachineState state;
  EXPECT_EQ(run(state, view, nullptr), RunEnding::Cancelled);
  EXPECT_EQ(view.dialogs, 1);
  EXPECT_EQ(view.now.ak, "7");
  EXPECT_EQ(view.now.control, "");
}

}  // namespace
}  // namespace paxamon
