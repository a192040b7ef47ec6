// The executor and the two run modes. (The docs tests run every example of
// the help and the README's rules of the machine through the runner: each
// instruction, its jumps and flags, each run error.)
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

Outcome runFull(CellTexts cells) {
  Outcome o{RecordingView(std::move(cells)), {}, {}};
  o.state.singleStep = false;
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

TEST(Executor, RunErrorsNameTheRightCell) {
  const struct {
    CellTexts cells;
    std::string message;
    CellAddress failing;
  } cases[] = {
      {program({"INC", "JMP40"}), "FEHLER: Fehlerhalfte Adress-Angabe in Speicherzelle 1", 1},
      {program({"NUL", "STA"}), "FEHLER: Fehlerhalfte Adress-Angabe in Speicherzelle 1", 1},
      {program({"LDA05", "", "", "", "", "LDA12"}),
       "FEHLER: Keine Daten in Speicherzelle 5 gefunden", 0},
      {program({"INC", "DIV05"}),
       "FEHLER: Division durch 0 (Inhalt der Speicherzelle 5) ist nicht zul\xE4ssig", 1},
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

TEST(Executor, AProgramWithoutEndStopsAfterCell31) {
  CellTexts cells;
  cells.fill("INC");
  const Outcome o = runFull(cells);
  EXPECT_EQ(o.ending, RunEnding::PassedLastCell);
  EXPECT_EQ(o.view.now.pc, "31");
  EXPECT_EQ(o.view.now.ak, "32");
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

// The fuzz checks compare the two modes step by step (a dialog after each
// single step, a repaint after each step of a full run, none after a run
// error); what they leave out is the pause.
TEST(RunMode, AFullRunPausesAfterEachCompletedStep) {
  static int pauses;
  MachineState state;
  state.singleStep = false;
  RecordingView view(program({"INC", "INC", "JMP99"}));
  EXPECT_EQ(run(state, view, [] { ++pauses; }), RunEnding::Error);
  EXPECT_EQ(pauses, 2);  // none after the step that fails
}

}  // namespace
}  // namespace paxamon
