#include "machine/runmode.h"

#include <gtest/gtest.h>

#include "recording_view.h"

namespace paxamon {
namespace {

TEST(RunMode, SingleStepsShowTheDialogAfterEveryCompletedStep) {
  RecordingView view(program({"INC", "INC", "END"}));
  MachineState state;  // starts in single steps
  EXPECT_EQ(run(state, view, nullptr), RunEnding::End);
  EXPECT_EQ(view.dialogs, 3);  // the END step too
  EXPECT_EQ(view.repaints, 0);
}

TEST(RunMode, CancelEndsTheRunAfterTheStepShown) {
  RecordingView view(program({"LDA05", "INC", "END", "", "", "7"}));
  view.cancelAfter = 1;
  MachineState state;
  EXPECT_EQ(run(state, view, nullptr), RunEnding::Cancelled);
  EXPECT_EQ(view.dialogs, 1);
  EXPECT_EQ(view.now.pc, "0");
  EXPECT_EQ(view.now.ak, "7");
  EXPECT_EQ(view.now.control, "");
}

TEST(RunMode, ARunErrorShowsNoDialogAndNoPause) {
  static int pauses;
  pauses = 0;
  for (bool single : {true, false}) {
    RecordingView view(program({"INC", "JMP99"}));
    MachineState state;
    state.singleStep = single;
    run(state, view, [] { ++pauses; });
    EXPECT_EQ(view.dialogsBeforeError, single ? 1 : 0);
    EXPECT_EQ(view.dialogs + view.repaints, 1);
  }
  EXPECT_EQ(pauses, 1);
}

TEST(RunMode, FullRunRepaintsAndPausesAfterEachStep) {
  static int pauses;
  pauses = 0;
  CellTexts cells =
      program({"INC", "INC", "INC", "INC", "INC", "INC", "INC", "INC", "INC", "INC", "END"});
  RecordingView view(cells);
  MachineState state;
  state.singleStep = false;
  EXPECT_EQ(run(state, view, [] { ++pauses; }), RunEnding::End);
  EXPECT_EQ(view.repaints, 11);
  EXPECT_EQ(pauses, 11);
  EXPECT_EQ(view.dialogs, 0);
}

}  // namespace
}  // namespace paxamon
