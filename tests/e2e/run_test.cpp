// Runs as a pupil starts them: F7, F8, F9, the step dialog, the error box,
// Escape and the close button during a full run.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

enum class CloseBy { Enter, ClickOnOk };

class RunError : public PaxamonTest {
 protected:
  // The run error box of an empty program: centred, with its text, closed
  // as asked; afterwards the window takes typing and runs again.
  void scenario(bool fullRun, CloseBy closeBy) {
    if (fullRun) desktop.key("F8");
    desktop.key("F9");
    const WindowId box = desktop.waitForWindow(kPlainTitle);
    ASSERT_NE(box, 0u) << "no error box";
    ASSERT_TRUE(desktop.waitForActive(box));
    const QRect frame = desktop.settledFrame(box);
    desktop.shot(fullRun ? "run-error-full" : "run-error-steps");
    EXPECT_TRUE(desktop.showsText(box, "FEHLER: Unbekannter Befehl in Speicherzelle 0"));
    EXPECT_EQ(frame.topLeft(), QPoint((Desktop::kScreenWidth - frame.width()) / 2,
                                      (Desktop::kScreenHeight - frame.height()) / 2))
        << "the box is not centred";

    if (closeBy == CloseBy::Enter) {
      desktop.key("Return");
    } else {
      // The OK button stands centred at the bottom of the box.
      const QRect client = desktop.clientRect(box);
      desktop.click({client.center().x(), client.bottom() - 20});
    }
    ASSERT_TRUE(desktop.waitForNoWindow(kPlainTitle, 3000ms)) << "the error box did not close";
    EXPECT_EQ(desktop.findWindow(kStepTitle), 0u) << "a step dialog after a run error";
    ASSERT_TRUE(app.waitForMainActive());

    app.typeProgram({"INC", "STA5", "END"});
    desktop.key("F9");
    if (!fullRun) app.confirmSteps(3);
    const std::vector<std::string> cells = app.cells();
    ASSERT_EQ(cells.size(), 32u);
    EXPECT_EQ(cells[0], "INC");
    EXPECT_EQ(cells[5], "1");
  }
};

TEST_F(RunError, SingleStepsBoxClosesWithEnter) {
  scenario(false, CloseBy::Enter);
}

TEST_F(RunError, SingleStepsBoxClosesWithAClickOnOk) {
  scenario(false, CloseBy::ClickOnOk);
}

TEST_F(RunError, FullRunBoxClosesWithEnter) {
  scenario(true, CloseBy::Enter);
}

TEST_F(RunError, FullRunBoxClosesWithAClickOnOk) {
  scenario(true, CloseBy::ClickOnOk);
}

using FullRun = PaxamonTest;

TEST_F(FullRun, TenInstructionsAndEndRunToTheirEnd) {
  std::vector<std::string> program = {"LDA20", "ADD21", "STA22", "INC", "STA23", "MUL21",
                                      "STA24", "SUB20", "STA25", "STX", "END"};
  program.resize(22);
  program[20] = "7";
  program[21] = "5";
  app.typeProgram(program);
  desktop.key("F8");
  desktop.key("F9");
  // No dialog, no box: the run needs nothing from the user.
  pause(1000ms);
  EXPECT_EQ(desktop.findWindow(kStepTitle), 0u);
  EXPECT_EQ(desktop.findWindow(kPlainTitle), 0u);
  const std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[22], "12");
  EXPECT_EQ(cells[23], "13");
  EXPECT_EQ(cells[24], "65");
  EXPECT_EQ(cells[25], "58");
}

TEST_F(FullRun, EscapeStopsAnEndlessRunAndTypingIsIgnored) {
  app.typeProgram({"JMP00"});
  desktop.key("F8");
  desktop.key("F9");
  pause(500ms);
  desktop.type("xy");  // dropped while the run goes on
  desktop.key("ctrl+s");
  pause(300ms);
  EXPECT_EQ(desktop.findWindow(kSaveTitle), 0u) << "a command ran during the full run";
  desktop.key("Escape");
  // Stopped: the window takes commands again.
  const std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[0], "JMP00");
}

TEST_F(FullRun, ClosingTheWindowDuringARunEndsTheProgram) {
  app.typeProgram({"JMP00"});
  desktop.key("F8");
  desktop.key("F9");
  pause(500ms);
  desktop.click(Desktop::closeButton(desktop.frameRect(app.main())));
  ASSERT_TRUE(app.process().waitForExit(5000ms)) << "the program did not end";
  EXPECT_TRUE(WIFEXITED(app.process().exitStatus()));
  EXPECT_EQ(WEXITSTATUS(app.process().exitStatus()), 0);
}

using StepDialog = PaxamonTest;

TEST_F(StepDialog, NextRunsEveryStepUnderTheMainWindow) {
  app.typeProgram({"INC", "INC", "STA10", "END"});
  desktop.key("F9");
  WindowId dialog = desktop.waitForWindow(kStepTitle);
  for (int step = 0; step < 4; ++step) {
    ASSERT_NE(dialog, 0u) << "no step dialog at step " << step;
    ASSERT_TRUE(desktop.waitForActive(dialog));
    const QRect main = desktop.frameRect(app.main());
    const QRect frame = desktop.settledFrame(dialog);
    if (step == 0) desktop.shot("step-dialog");
    EXPECT_EQ(frame.topLeft(), QPoint(main.left() + main.width() / 2 - frame.width() / 2,
                                      main.top() + main.height() + 3))
        << "step " << step;
    desktop.watchMaps(dialog);
    // "nächster &Schritt": Enter, or its letter without Alt.
    desktop.key(step % 2 == 0 ? "Return" : "s");
    if (step < 3) dialog = desktop.waitForShownAgain(kStepTitle, dialog);
  }
  ASSERT_TRUE(desktop.waitForNoWindow(kStepTitle));
  const std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[10], "2");
}

TEST_F(StepDialog, CancelEndsTheRunAfterTheShownStep) {
  app.typeProgram({"INC", "STA10", "INC", "STA11", "END"});
  desktop.key("F9");
  WindowId dialog = desktop.waitForWindow(kStepTitle);
  ASSERT_NE(dialog, 0u);
  ASSERT_TRUE(desktop.waitForActive(dialog));
  desktop.watchMaps(dialog);
  desktop.key("Return");  // INC done; the dialog comes back after STA10
  dialog = desktop.waitForShownAgain(kStepTitle, dialog);
  ASSERT_NE(dialog, 0u);
  ASSERT_TRUE(desktop.waitForActive(dialog));
  desktop.key("Escape");  // the dialog has no cancel button: nothing happens
  pause(200ms);
  ASSERT_TRUE(desktop.isMapped(dialog));
  // "&Abbrechen", the right button.
  const QRect client = desktop.clientRect(dialog);
  desktop.click({client.left() + 136, client.top() + 12});
  ASSERT_TRUE(desktop.waitForNoWindow(kStepTitle));
  pause(300ms);
  EXPECT_EQ(desktop.findWindow(kStepTitle), 0u);
  const std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[10], "1");
  EXPECT_EQ(cells[11], "");
}

}  // namespace
}  // namespace paxamon::e2e
