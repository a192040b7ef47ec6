#include "machine/executor.h"

#include <gtest/gtest.h>

#include "recording_view.h"

namespace paxamon {
namespace {

struct Outcome {
  RecordingView view;
  MachineState state;
  RunEnding ending;
};

Outcome runFull(CellTexts cells, std::size_t stopAfter = 0) {
  Outcome o{RecordingView(std::move(cells)), {}, {}};
  o.state.singleStep = false;
  o.view.stopAfter = stopAfter;
  o.ending = run(o.state, o.view, nullptr);
  return o;
}

TEST(Executor, SumOfTwoCellsShowsEveryStep) {
  Outcome o = runFull(program({"LDA05", "ADD06", "STA07", "END", "", "3", "4"}));
  EXPECT_EQ(o.ending, RunEnding::End);
  EXPECT_EQ(o.view.cells[7], "7");
  ASSERT_EQ(o.view.steps.size(), 4u);
  EXPECT_EQ(o.view.steps[0], (Displays{"LDA05", "0", "", "3", "=", "LDA05", "3", 0}));
  EXPECT_EQ(o.view.steps[1], (Displays{"ADD06", "1", "", "7", "+", "ADD06", "4", 1}));
  EXPECT_EQ(o.view.steps[2], (Displays{"STA07", "2", "", "7", "=", "STA07", "7", 2}));
  EXPECT_EQ(o.view.steps[3], (Displays{"END", "3", "", "7", "", "END", "", 3}));
  // After the run the registers keep the last step, the path labels are empty.
  EXPECT_EQ(o.view.now, (Displays{"END", "3", "", "7", "", "", "", 3}));
  EXPECT_TRUE(o.view.errors.empty());
}

TEST(Executor, ArithmeticAndSigns) {
  struct Case {
    const char* op;
    const char* a;
    const char* b;
    const char* ak;
    const char* sign;
  };
  // Cells keep 9 characters, so the extreme values are written in hex.
  const Case cases[] = {
      {"ADD", "$7FFFFFFF", "1", "-2147483648", "+"},
      {"SUB", "$80000000", "1", "2147483647", "-"},
      {"MUL", "65536", "65536", "0", "*"},
      {"MUL", "-3", "7", "-21", "*"},
      {"DIV", "-7", "2", "-3", "/"},
      {"DIV", "7", "-2", "-3", "/"},
      {"MOD", "-7", "2", "-1", "/"},
      {"MOD", "7", "-2", "1", "/"},
      // The one quotient that does not fit wraps; its remainder is 0.
      {"DIV", "$80000000", "-1", "-2147483648", "/"},
      {"MOD", "$80000000", "-1", "0", "/"},
      {"DIV", "$7FFFFFFF", "-1", "-2147483647", "/"},
  };
  for (const Case& c : cases) {
    Outcome o =
        runFull(program({"LDA05", (std::string(c.op) + "06").c_str(), "END", "", "", c.a, c.b}));
    SCOPED_TRACE(std::string(c.a) + " " + c.op + " " + c.b);
    ASSERT_EQ(o.view.steps.size(), 3u);
    EXPECT_EQ(o.view.steps[1].ak, c.ak);
    EXPECT_EQ(o.view.steps[1].sign, c.sign);
    EXPECT_EQ(o.view.steps[1].data, c.b);
  }
}

TEST(Executor, RegisterFlagsAndTransfers) {
  // NUL zeroes AK without marking it set: the display stays empty and JAZ
  // does not jump; STA before any AK instruction stores "0".
  Outcome o = runFull(program({"NUL", "JAZ04", "STA10", "END", "INC"}));
  EXPECT_EQ(o.view.steps[0].ak, "");
  EXPECT_EQ(o.view.steps[0].sign, "=");
  EXPECT_EQ(o.view.steps[1].selected, 1);
  EXPECT_EQ(o.view.steps[1].sign, "^");
  EXPECT_EQ(o.view.steps[2].selected, 2);
  EXPECT_EQ(o.view.cells[10], "0");
  EXPECT_EQ(o.ending, RunEnding::End);

  // LDA of an empty cell sets AK to 0: now JAZ jumps.
  o = runFull(program({"LDA10", "JAZ03", "INC", "END"}));
  ASSERT_EQ(o.view.steps.size(), 3u);
  EXPECT_EQ(o.view.steps[0].data, "0");
  EXPECT_EQ(o.view.steps[2].ir, "END");

  // STX, LDX, INC: XR shows once set, INC wraps.
  o = runFull(program({"LDA05", "STX", "INC", "LDX", "END", "$7FFFFFFF"}));
  EXPECT_EQ(o.view.steps[0].xr, "");
  EXPECT_EQ(o.view.steps[1].xr, "2147483647");
  EXPECT_EQ(o.view.steps[2].ak, "-2147483648");
  EXPECT_EQ(o.view.steps[2].sign, "+");
  EXPECT_EQ(o.view.steps[3].ak, "2147483647");
  EXPECT_EQ(o.view.steps[3].data, "");  // no operand, no data path

  // STA of a value of 11 characters stores its first 9.
  o = runFull(program({"LDA05", "STA06", "END", "", "", "$80000000"}));
  EXPECT_EQ(o.view.cells[6], "-21474836");
  EXPECT_EQ(o.view.steps[1].data, "-21474836");
}

TEST(Executor, ConditionalJumps) {
  // JXP with XR = 3 jumps three times, counting down, then falls through.
  Outcome o = runFull(program({"LDA06", "STX", "JXP02", "END", "", "", "3"}));
  std::vector<std::string> xr;
  for (const Displays& d : o.view.steps)
    xr.push_back(d.xr);
  EXPECT_EQ(xr, (std::vector<std::string>{"", "3", "2", "1", "0", "0", "0"}));
  EXPECT_EQ(o.view.steps.back().ir, "END");

  // JXP before any STX never jumps; JAN only on a set negative AK.
  o = runFull(program({"JXP00", "LDA06", "JAN05", "INC", "END", "END", "-1"}));
  ASSERT_EQ(o.view.steps.size(), 4u);
  EXPECT_EQ(o.view.steps[2].selected, 2);
  EXPECT_EQ(o.view.steps[3].selected, 5);
  EXPECT_EQ(o.view.steps[2].data, "");  // the target holds an instruction, not a number
}

TEST(Executor, RunErrorsNameTheRightCell) {
  struct Case {
    CellTexts cells;
    const char* message;
    CellAddress failing;
  };
  const Case cases[] = {
      {program({"INC", "JMP40"}), "FEHLER: Fehlerhalfte Adress-Angabe in Speicherzelle 1", 1},
      {program({"JAZ32"}), "FEHLER: Fehlerhalfte Adress-Angabe in Speicherzelle 0", 0},
      {program({"NUL", "STA"}), "FEHLER: Fehlerhalfte Adress-Angabe in Speicherzelle 1", 1},
      {program({"LDA20"}), "FEHLER: Keine Daten in Speicherzelle 20 gefunden", 0},
      {program({"INC", "DIV05"}),
       "FEHLER: Division durch 0 (Inhalt der Speicherzelle 5) ist nicht zul\xE4ssig", 1},
      {program({"INC", "MOD05", "", "", "", "0"}),
       "FEHLER: Division durch 0 (Inhalt der Speicherzelle 5) ist nicht zul\xE4ssig", 1},
      {program({"INC", "INC", "INC", "INC", "INC"}),
       "FEHLER: Unbekannter Befehl in Speicherzelle 5", 5},
      {program({"42"}), "FEHLER: Unbekannter Befehl in Speicherzelle 0", 0},
      {program({"LD"}), "FEHLER: Unbekannter Befehl in Speicherzelle 0", 0},
  };
  for (const Case& c : cases) {
    CellTexts cells = c.cells;
    cells[20] = "LDA12";
    Outcome o = runFull(cells);
    SCOPED_TRACE(c.message);
    EXPECT_EQ(o.ending, RunEnding::Error);
    EXPECT_EQ(o.view.errors, std::vector<std::string>{c.message});
    EXPECT_TRUE(o.state.errorRaised);
    EXPECT_EQ(o.view.now.selected, c.failing);
    EXPECT_EQ(o.view.steps.size(), static_cast<std::size_t>(c.failing));
    // The failing step shows nothing: the registers keep the previous step.
    const Displays expected = o.view.steps.empty() ? Displays{} : o.view.steps.back();
    EXPECT_EQ(o.view.now.ir, expected.ir);
    EXPECT_EQ(o.view.now.pc, expected.pc);
    EXPECT_EQ(o.view.now.ak, expected.ak);
    EXPECT_EQ(o.view.now.sign + o.view.now.control + o.view.now.data, "");
  }
}

TEST(Executor, EndingsAndTheStepCount) {
  // A program without END that fills every cell stops after cell 31.
  CellTexts cells;
  cells.fill("INC");
  Outcome o = runFull(cells);
  EXPECT_EQ(o.ending, RunEnding::PassedLastCell);
  EXPECT_EQ(o.view.steps.size(), 32u);
  EXPECT_EQ(o.view.now.pc, "31");
  EXPECT_EQ(o.view.now.ak, "32");

  // A jump to cell 31 executes it; a jump back to 0 works.
  o = runFull(program({"JMP31"}));
  o.view.cells[31] = "END";
  o = runFull(o.view.cells);
  EXPECT_EQ(o.view.steps.back().selected, 31);
  EXPECT_EQ(o.ending, RunEnding::End);

  // The view stops an endless full run after a step, like a cancel.
  o = runFull(program({"JMP00"}), 1000);
  EXPECT_EQ(o.ending, RunEnding::Cancelled);
  EXPECT_EQ(o.view.now.pc, "999");
  EXPECT_EQ(o.view.repaints, 1000);

  // Stopping right after END still counts as END.
  o = runFull(program({"END"}), 1);
  EXPECT_EQ(o.ending, RunEnding::End);
}

TEST(Executor, TextsAreCutOnTheirWayThroughMemory) {
  Outcome o = runFull(program({"end of it all", "", "ABCDEFGHIJKL"}));
  EXPECT_EQ(o.view.cells[0], "end of it");
  EXPECT_EQ(o.view.cells[2], "ABCDEFGHI");
  EXPECT_EQ(o.view.steps[0].ir, "END OF");
  EXPECT_EQ(o.view.steps[0].control, "END OF");
}

TEST(Executor, RunStartCutsTextsAndResetsRegisters) {
  MachineState state;
  state.ak = 5;
  state.xr = 6;
  state.stepCount = 7;
  state.akUnset = state.xrUnset = false;
  state.errorRaised = true;
  state.singleStep = false;
  CellTexts grid;
  grid[0] = "ABCDEFGHIJKL";
  grid[31] = "lda5";
  resetForRun(state, grid);
  EXPECT_EQ(state.memory[0], "ABCDEFGHI");
  EXPECT_EQ(state.memory[31], "lda5");
  EXPECT_EQ(state.ak, 0);
  EXPECT_EQ(state.xr, 0);
  EXPECT_EQ(state.stepCount, 0);
  EXPECT_TRUE(state.akUnset && state.xrUnset && state.running);
  EXPECT_FALSE(state.errorRaised);
  EXPECT_FALSE(state.singleStep);  // the mode survives a run
}

}  // namespace
}  // namespace paxamon
