// The executor and the two run modes. (The docs tests run every example of
// the help and the README's rules of the machine through the runner.)
#include "machine/executor.h"

#include <gtest/gtest.h>

#include <sstream>

#include "recording_view.h"

namespace paxamon {
namespace {

struct Outcome {
  RecordingView view;
  MachineState state;
  RunEnding ending;
};

Outcome runFull(CellTexts cells, std::size_t limit = 0) {
  Outcome o{RecordingView(std::move(cells)), {}, {}};
  o.state.singleStep = false;
  o.view.limit = limit;
  o.ending = run(o.state, o.view, nullptr);
  return o;
}

TEST(Executor, ArithmeticWrapsAndDividesTowardZero) {
  // Cells keep 9 characters, so the extreme values are written in hex. The
  // one quotient that does not fit wraps; its remainder is 0.
  for (const char* c : {"ADD $7FFFFFFF 1 -2147483648 +", "SUB $80000000 1 2147483647 -",
                        "MUL 65536 65536 0 *", "MUL -3 7 -21 *", "DIV -7 2 -3 /", "DIV 7 -2 -3 /",
                        "MOD -7 2 -1 /", "MOD 7 -2 1 /", "DIV $80000000 -1 -2147483648 /",
                        "MOD $80000000 -1 0 /", "DIV $7FFFFFFF -1 -2147483647 /"}) {
    std::string op, a, b, ak, sign;
    std::istringstream(c) >> op >> a >> b >> ak >> sign;
    const Outcome o =
        runFull(program({"LDA05", (op + "06").c_str(), "END", "", "", a.c_str(), b.c_str()}));
    SCOPED_TRACE(c);
    ASSERT_EQ(o.view.steps.size(), 3u);
    EXPECT_EQ(o.view.steps[1].ak, ak);
    EXPECT_EQ(o.view.steps[1].sign, sign);
    EXPECT_EQ(o.view.steps[1].data, b);
  }
}

TEST(Executor, JumpsFollowTheRegistersOnlyOnceSet) {
  // NUL zeroes AK without setting it: the display stays empty, JAZ does not
  // jump. JXP jumps while XR > 0, counting it down, and never before STX.
  const struct {
    CellTexts cells;
    const char *path, *ak;
  } cases[] = {
      {program({"NUL", "JAZ03", "INC", "END"}), "0,1,2,3,", ",,1,1,"},
      {program({"LDA10", "JAZ03", "INC", "END"}), "0,1,3,", "0,0,0,"},
      {program({"JXP00", "LDA06", "STX", "JXP03", "END", "", "2"}), "0,1,2,3,3,3,4,",
       ",2,2,2,2,2,2,"},
  };
  for (const auto& c : cases) {
    std::string path, ak;
    for (const Displays& d : runFull(c.cells).view.steps) {
      path += std::to_string(d.selected) + ",";
      ak += d.ak + ",";
    }
    EXPECT_EQ(path, c.path);
    EXPECT_EQ(ak, c.ak);
  }
}

TEST(Executor, RunErrorsNameTheRightCell) {
  const std::string division =
      "FEHLER: Division durch 0 (Inhalt der Speicherzelle 5) ist nicht zul\xE4ssig";
  const struct {
    CellTexts cells;
    std::string message;
    CellAddress failing;
  } cases[] = {
      {program({"INC", "JMP40"}), "FEHLER: Fehlerhalfte Adress-Angabe in Speicherzelle 1", 1},
      {program({"NUL", "STA"}), "FEHLER: Fehlerhalfte Adress-Angabe in Speicherzelle 1", 1},
      {program({"LDA05", "", "", "", "", "LDA12"}),
       "FEHLER: Keine Daten in Speicherzelle 5 gefunden", 0},
      {program({"INC", "DIV05"}), division, 1},
      {program({"INC", "MOD05", "", "", "", "0"}), division, 1},
      {program({"INC", "INC", "INC"}), "FEHLER: Unbekannter Befehl in Speicherzelle 3", 3},
      {program({"LD"}), "FEHLER: Unbekannter Befehl in Speicherzelle 0", 0},
  };
  for (const auto& c : cases) {
    const Outcome o = runFull(c.cells);
    EXPECT_EQ(o.ending, RunEnding::Error);
    EXPECT_EQ(o.view.errors, std::vector<std::string>{c.message});
    EXPECT_EQ(o.view.now.selected, c.failing) << c.message;
    EXPECT_EQ(o.view.steps.size(), static_cast<std::size_t>(c.failing)) << c.message;
  }
}

TEST(Executor, EndingsAndTheStepCount) {
  // A program without END that fills every cell stops after cell 31.
  CellTexts cells;
  cells.fill("INC");
  Outcome o = runFull(cells);
  EXPECT_EQ(o.ending, RunEnding::PassedLastCell);
  EXPECT_EQ(o.view.now.pc, "31");
  EXPECT_EQ(o.view.now.ak, "32");
  // The view stops an endless full run after a step, like a cancel; right
  // after END that is still END.
  o = runFull(program({"JMP00"}), 1000);
  EXPECT_EQ(o.ending, RunEnding::Cancelled);
  EXPECT_EQ(o.view.now.pc, "999");
  EXPECT_EQ(runFull(program({"END"}), 1).ending, RunEnding::End);
}

TEST(Executor, EachRunStartsAfreshFromTheGridTextsCutToTheCells) {
  Outcome o = runFull(program({"INC", "STX", "JMP40"}));
  ASSERT_EQ(o.ending, RunEnding::Error);
  // The same machine again: no error left over, XR unset, AK and the step
  // count from 0; after the run the path labels are empty.
  o.view = RecordingView(program({"INC", "end of it all"}));
  EXPECT_EQ(run(o.state, o.view, nullptr), RunEnding::End);
  EXPECT_EQ(o.view.now, (Displays{"END OF", "1", "", "1", "", "", "", 1}));
  EXPECT_EQ(o.view.cells[1], "end of it");
}

int pauses;

TEST(RunMode, SingleStepsWaitAndAFullRunRepaintsAndPausesAfterEachStep) {
  for (const bool single : {true, false}) {
    SCOPED_TRACE(single ? "single steps" : "full run");
    MachineState state;
    state.singleStep = single;
    RecordingView view(program({"INC", "INC", "END"}));
    pauses = 0;
    EXPECT_EQ(run(state, view, [] { ++pauses; }), RunEnding::End);
    EXPECT_EQ(view.dialogs, single ? 3 : 0);  // after the END step too
    EXPECT_EQ(view.repaints, single ? 0 : 3);
    EXPECT_EQ(pauses, single ? 0 : 3);
    // The step that fails shows no dialog and makes no pause.
    view = RecordingView(program({"INC", "JMP99"}));
    pauses = 0;
    EXPECT_EQ(run(state, view, [] { ++pauses; }), RunEnding::Error);
    EXPECT_EQ(view.dialogs + view.repaints + pauses, single ? 1 : 2);
  }
  // Cancel in the dialog ends the run after the step shown.
  RecordingView view(program({"LDA05", "INC", "END", "", "", "7"}));
  view.limit = 1;
  MachineState state;
  EXPECT_EQ(run(state, view, nullptr), RunEnding::Cancelled);
  EXPECT_EQ(view.dialogs, 1);
  EXPECT_EQ(view.now.ak, "7");
}

}  // namespace
}  // namespace paxamon
