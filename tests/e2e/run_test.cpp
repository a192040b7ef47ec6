// Runs as a pupil starts them: F7, F8, F9, the step dialog, the error box,
// Escape and the close button during a full run.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

class Run : public PaxamonTest {
 protected:
  // The run error box of an empty program, centred with its text, closed by
  // Enter and, on the next run, by a click on OK; afterwards the window
  // takes typing and runs again.
  void runErrorsThenARun(bool fullRun) {
    if (fullRun) desktop.key("F8");
    for (const bool click : {false, true}) {
      desktop.key("F9");
      const WindowId box = app.waitForActiveWindow(kPlainTitle);
      ASSERT_NE(box, 0u) << "no error box";
      const QRect frame = desktop.settledFrame(box);
      EXPECT_TRUE(desktop.showsText(box, "FEHLER: Unbekannter Befehl in Speicherzelle 0"));
      EXPECT_EQ(frame.topLeft(), QPoint((Desktop::kScreenWidth - frame.width()) / 2,
                                        (Desktop::kScreenHeight - frame.height()) / 2));
      if (click) {
        const QRect client = desktop.clientRect(box);  // OK: centred at the bottom
        desktop.click({client.center().x(), client.bottom() - 20});
      } else {
        desktop.key("Return");
      }
      ASSERT_TRUE(desktop.waitForNoWindow(kPlainTitle, 3000ms)) << "the box did not close";
      EXPECT_EQ(desktop.findWindow(kStepTitle), 0u) << "a step dialog after a run error";
      ASSERT_TRUE(app.waitForMainActive());
    }
    app.typeProgram({"INC", "STA5", "END"});
    desktop.key("F9");
    if (!fullRun) app.confirmSteps(3);
    const std::vector<std::string> cells = app.cells();
    ASSERT_EQ(cells.size(), 32u);
    EXPECT_EQ(cells[5], "1");
  }
};

TEST_F(Run, ErrorBoxInSingleStepsClosesAndTheWindowGoesOn) {
  runErrorsThenARun(false);
}

TEST_F(Run, ErrorBoxInAFullRunClosesAndTheWindowGoesOn) {
  runErrorsThenARun(true);
}

TEST_F(Run, FullRunToEndAndEscapeStopsAnEndlessOne) {
  std::vector<std::string> program = {"LDA20", "ADD21", "STA22", "INC", "STA23", "MUL21",
                                      "STA24", "SUB20", "STA25", "STX", "END"};
  program.resize(22);
  program[20] = "7";
  program[21] = "5";
  app.typeProgram(program);
  desktop.key("F8");
  desktop.key("F9");
  pause(1000ms);  // it needs no dialog and no box
  EXPECT_EQ(desktop.findWindow(kStepTitle), 0u);
  std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[22], "12");
  EXPECT_EQ(cells[25], "58");

  desktop.click(app.at(20, 12));  // "Neues Programm"
  app.typeIntoCell(0, "JMP00");
  desktop.key("F9");
  pause(500ms);
  desktop.type("xy");  // ignored while the run goes on
  desktop.key("ctrl+s");
  pause(300ms);
  EXPECT_EQ(desktop.findWindow(kSaveTitle), 0u) << "a command ran during the full run";
  desktop.key("Escape");
  cells = app.cells();  // stopped: the window takes commands again
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[0], "JMP00");
  EXPECT_EQ(cells[22], "");
}

TEST_F(Run, AFullRunSaysInTheTitleAndTheModeLabelThatEscapeStopsIt) {
  const QString title = QStringLiteral("Gesamtdurchlauf - Esc bricht ab");
  const QString hint = QStringLiteral("Esc bricht den Lauf ab");
  const QRect modeLabel(app.at(16, 366), QSize(177, 19));
  app.typeProgram({"JMP00"});
  desktop.key("F8");
  desktop.key("F9");
  EXPECT_TRUE(waitUntil([&] { return desktop.title(app.main()) == title; }))
      << desktop.title(app.main()).toStdString();
  EXPECT_TRUE(desktop.showsText(modeLabel, hint));
  desktop.key("Escape");
  EXPECT_TRUE(waitUntil([&] { return desktop.title(app.main()) == kMainTitle; }));
  EXPECT_TRUE(desktop.showsText(modeLabel, "Modus: Gesamtdurchlauf"));
  // The help's topic on the full run says so too.
  const std::string help = Paxamon::readFile(PAXAMON_SOURCE_DIR "/help/Paxamon.hlp");
  const std::size_t topic = help.find("@topic Gesamtdurchlauf");
  ASSERT_NE(topic, std::string::npos);
  const std::string text = help.substr(topic, help.find("@topic", topic + 1) - topic);
  EXPECT_NE(text.find(hint.toStdString()), std::string::npos) << text;
}

TEST_F(Run, ClosingTheWindowDuringAFullRunEndsTheProgram) {
  app.typeProgram({"JMP00"});
  desktop.key("F8");
  desktop.key("F9");
  pause(500ms);
  desktop.click(Desktop::closeButton(desktop.frameRect(app.main())));
  ASSERT_TRUE(app.process().waitForExit(5000ms)) << "the program did not end";
  EXPECT_EQ(app.process().exitStatus(), 0);
}

TEST_F(Run, StepDialogUnderTheMainWindowNextAndCancel) {
  app.typeProgram({"INC", "INC", "STA10", "END"});
  desktop.key("F9");
  WindowId dialog = desktop.waitForWindow(kStepTitle);
  for (int step = 0; step < 2; ++step) {
    ASSERT_NE(dialog, 0u) << "no step dialog at step " << step;
    ASSERT_TRUE(desktop.waitForActive(dialog));
    const QRect main = desktop.frameRect(app.main());
    const QRect frame = desktop.settledFrame(dialog);
    EXPECT_EQ(frame.topLeft(), QPoint(main.left() + main.width() / 2 - frame.width() / 2,
                                      main.top() + main.height() + 3))
        << "step " << step;
    desktop.watchMaps(dialog);
    if (step == 1) break;
    desktop.key("Return");  // "nächster &Schritt"
    dialog = desktop.waitForShownAgain(kStepTitle, dialog);
  }
  desktop.key("Escape");  // no cancel button: nothing happens
  pause(200ms);
  ASSERT_TRUE(desktop.isMapped(dialog));
  const QRect client = desktop.clientRect(dialog);  // "&Abbrechen", the right button
  desktop.click({client.left() + 136, client.top() + 12});
  ASSERT_TRUE(desktop.waitForNoWindow(kStepTitle));
  std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[10], "");  // cancelled before STA10

  // Again to the end; the letter "s" works without Alt.
  desktop.key("F9");
  for (int step = 0; step < 4; ++step) {
    dialog = desktop.waitForWindow(kStepTitle);
    ASSERT_NE(dialog, 0u) << "step " << step;
    ASSERT_TRUE(desktop.waitForActive(dialog));
    desktop.watchMaps(dialog);
    desktop.key("s");
    if (step < 3) {
      ASSERT_NE(desktop.waitForShownAgain(kStepTitle, dialog), 0u);
    }
  }
  ASSERT_TRUE(desktop.waitForNoWindow(kStepTitle));
  cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[10], "2");
}

}  // namespace
}  // namespace paxamon::e2e
