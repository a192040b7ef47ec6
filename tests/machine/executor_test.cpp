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

Outcome runFull(CellTexts cells, std::size_t limit = 0) {
  Outcome o{RecordingView(std::move(cells)), {}, {}};
  o.state.singleStep = false;
  o.view.limit = limit;
  o.ending = run(o.state, o.view, nullptr);
  return o;
}

// One display, or the executed cells, over all steps, comma-separated.
std::string trace(const Outcome& o, std::string Displays::*field = nullptr) {
  std::string joined;
  for (const Displays& d : o.view.steps)
    joined += "," + (field ? d.*field : std::to_string(d.selected));
  return joined.substr(joined.empty() ? 0 : 1);
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
}

TEST(Executor, ArithmeticWrapsAndDividesTowardZero) {
  struct Case {
    const char *op, *a, *b, *ak, *sign;
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

TEST(Executor, JumpsFollowTheRegistersOnlyOnceSet) {
  struct Case {
    CellTexts cells;
    const char *path, *ak, *xr;
  };
  const Case cases[] = {
      // NUL zeroes AK without setting it: its display stays empty, JAZ does not jump.
      {program({"NUL", "JAZ03", "INC", "END"}), "0,1,2,3", ",,1,1", ",,,"},
      // LDA of an empty cell sets AK to 0.
      {program({"LDA10", "JAZ03", "INC", "END"}), "0,1,3", "0,0,0", ",,"},
      // STX, INC wrapping, LDX.
      {program({"LDA05", "STX", "INC", "LDX", "END", "$7FFFFFFF"}), "0,1,2,3,4",
       "2147483647,2147483647,-2147483648,2147483647,2147483647",
       ",2147483647,2147483647,2147483647,2147483647"},
      // JXP jumps while XR > 0, counting down.
      {program({"LDA06", "STX", "JXP02", "END", "", "", "3"}), "0,1,2,2,2,2,3", "3,3,3,3,3,3,3",
       ",3,2,1,0,0,0"},
      // JXP before any STX never jumps; JAN jumps on a negative AK.
      {program({"JXP00", "LDA06", "JAN05", "INC", "END", "END", "-1"}), "0,1,2,5", ",-1,-1,-1",
       ",,,"},
  };
  for (const Case& c : cases) {
    const Outcome o = runFull(c.cells);
    SCOPED_TRACE(c.path);
    EXPECT_EQ(o.ending, RunEnding::End);
    EXPECT_EQ(trace(o), c.path);
    EXPECT_EQ(trace(o, &Displays::ak), c.ak);
    EXPECT_EQ(trace(o, &Displays::xr), c.xr);
  }
  // STA stores AK in decimal, 0 while unset, cut to the cell.
  EXPECT_EQ(runFull(program({"NUL", "STA05", "END"})).view.cells[5], "0");
  EXPECT_EQ(runFull(program({"LDA05", "STA05", "END", "", "", "$80000000"})).view.cells[5],
            "-21474836");
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
      {program({"LDA20"}), "FEHLER: Keine Daten in Speicherzelle 20 gefunden", 0},
      {program({"INC", "DIV05"}), division, 1},
      {program({"INC", "MOD05", "", "", "", "0"}), division, 1},
      {program({"INC", "INC", "INC", "INC", "INC"}),
       "FEHLER: Unbekannter Befehl in Speicherzelle 5", 5},
      {program({"LD"}), "FEHLER: Unbekannter Befehl in Speicherzelle 0", 0},
  };
  for (const auto& c : cases) {
    CellTexts cells = c.cells;
    cells[20] = "LDA12";
    const Outcome o = runFull(cells);
    SCOPED_TRACE(c.message);
    EXPECT_EQ(o.ending, RunEnding::Error);
    EXPECT_EQ(o.view.errors, std::vector<std::string>{c.message});
    EXPECT_EQ(o.view.now.selected, c.failing);
    EXPECT_EQ(o.view.steps.size(), static_cast<std::size_t>(c.failing));
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

  // A jump to cell 31 executes it.
  cells = program({"JMP31"});
  cells[31] = "END";
  o = runFull(cells);
  EXPECT_EQ(trace(o), "0,31");
  EXPECT_EQ(o.ending, RunEnding::End);

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
  // count from 0.
  o.view = RecordingView(program({"INC", "end of it all"}));
  EXPECT_EQ(run(o.state, o.view, nullptr), RunEnding::End);
  EXPECT_EQ(o.view.now, (Displays{"END OF", "1", "", "1", "", "", "", 1}));
  EXPECT_EQ(o.view.cells[1], "end of it");
}

}  // namespace
}  // namespace paxamon
