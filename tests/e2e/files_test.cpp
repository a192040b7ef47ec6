// Program files through the real load and save dialogs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <ctime>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

using Files = PaxamonTest;

TEST_F(Files, SaveByteForByteLoadAndAMissingName) {
  app.typeProgram({"lda 12", "  7", "$FF", "STA12XY"});
  app.typeIntoCell(31, "END");
  const std::string saved = app.folder() + "/programm.pax";
  ASSERT_TRUE(app.saveAs(saved));
  std::vector<std::string> expected = {"lda 12", "  7", "$FF", "STA12XY"};
  expected.resize(32);
  expected[31] = "END";
  EXPECT_EQ(Paxamon::readFile(saved), Paxamon::programFile(expected));

  // A missing name: the dialog's own box, and the program stays.
  WindowId dialog = app.openWithKey("ctrl+l", kLoadTitle);
  ASSERT_NE(dialog, 0u);
  app.chooseFile(app.folder() + "/fehlt.pax");
  WindowId box = 0;
  ASSERT_TRUE(waitUntil([&] {
    box = desktop.activeWindow();
    return box != dialog && desktop.title(box) == kLoadTitle;
  })) << "no box for the missing file";
  EXPECT_TRUE(desktop.showsText(box, "fehlt.pax"));
  desktop.key("Return");
  ASSERT_TRUE(desktop.waitForActive(dialog));
  desktop.key("Escape");
  ASSERT_TRUE(desktop.waitForNoWindow(kLoadTitle));
  ASSERT_TRUE(app.waitForMainActive());

  // Loaded through the dialog: a full run adds the two numbers.
  const std::string sum = app.folder() + "/summe.pax";
  std::vector<std::string> program = {"LDA20", "ADD21", "STA22", "END"};
  program.resize(22);
  program[20] = "3";
  program[21] = "4";
  Paxamon::writeFile(sum, Paxamon::programFile(program));
  ASSERT_NE(app.openWithKey("ctrl+l", kLoadTitle), 0u);
  app.chooseFile(sum);
  ASSERT_TRUE(desktop.waitForNoWindow(kLoadTitle));
  ASSERT_TRUE(app.waitForMainActive());
  desktop.key("F8");
  desktop.key("F9");
  const std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[0], "LDA20");
  EXPECT_EQ(cells[22], "7");
}

// Saving over an existing file: the dialog in German, the question centred
// with its text, answered "Ja", "Nein" and closed.
TEST_F(Files, OverwriteQuestionAnsweredJaNeinAndClosed) {
  const std::string path = app.folder() + "/alt.pax";
  const std::string old = Paxamon::programFile({"alt"});
  app.typeProgram({"neu"});
  for (const char* answer : {"Nein", "Closed", "Ja"}) {
    SCOPED_TRACE(answer);
    Paxamon::writeFile(path, old);
    std::tm when{};  // 6 December 2000, noon
    when.tm_year = 100;
    when.tm_mon = 11;
    when.tm_mday = 6;
    when.tm_hour = 12;
    const utimbuf times{std::mktime(&when), std::mktime(&when)};
    ASSERT_EQ(utime(path.c_str(), &times), 0);
    const WindowId dialog = app.openWithKey("ctrl+s", kSaveTitle);
    ASSERT_NE(dialog, 0u);
    if (std::string(answer) == "Nein") {
      EXPECT_TRUE(desktop.showsText(dialog, "06.12.00"));
      const QString text = readText(desktop.grab(desktop.clientRect(dialog)));
      EXPECT_TRUE(text.contains(QStringLiteral("67 Bytes"))) << text.toStdString();
      EXPECT_FALSE(text.contains(QStringLiteral("Dec"))) << text.toStdString();
    }
    app.chooseFile(path);
    const WindowId question = app.waitForActiveWindow(kQuestionTitle);
    ASSERT_NE(question, 0u) << "no overwrite question";
    const QRect frame = desktop.settledFrame(question);
    EXPECT_EQ(frame.topLeft(), QPoint((Desktop::kScreenWidth - frame.width()) / 2,
                                      (Desktop::kScreenHeight - frame.height()) / 2));
    EXPECT_TRUE(desktop.showsText(question, "Soll sie überschrieben werden?"));
    if (std::string(answer) == "Ja") desktop.key("Return");
    if (std::string(answer) == "Nein") desktop.key("n");
    if (std::string(answer) == "Closed") desktop.click(Desktop::closeButton(frame));
    ASSERT_TRUE(desktop.waitForNoWindow(kQuestionTitle));
    ASSERT_TRUE(app.waitForMainActive());
    pause(200ms);
    EXPECT_EQ(Paxamon::readFile(path),
              std::string(answer) == "Ja" ? Paxamon::programFile({"neu"}) : old);
  }
}

// Names that are no program file: the load refuses them at once with its
// error box (a folder the dialog opens instead), and the program stays.
TEST_F(Files, AFifoADeviceAndAFolderLeaveTheProgramAsItWas) {
  app.typeProgram({"INC", "END"});
  const std::string fifo = app.folder() + "/rohr.pax";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  // A device under a program's name (the dialog would add ".pax" to
  // "/dev/zero"): an endless one.
  const std::string device = app.folder() + "/geraet.pax";
  ASSERT_EQ(symlink("/dev/zero", device.c_str()), 0);
  const std::string folder = app.folder() + "/ordner.pax";
  ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
  for (const std::string& name : {fifo, device, folder}) {
    SCOPED_TRACE(name);
    ASSERT_NE(app.openWithKey("ctrl+l", kLoadTitle), 0u);
    app.chooseFile(name);
    if (name == folder) {
      // The dialog goes into the folder and stays open. Escape closes a
      // completion list first, then the dialog.
      pause(500ms);
      ASSERT_NE(desktop.findWindow(kLoadTitle), 0u);
      for (int i = 0; i < 3 && desktop.findWindow(kLoadTitle); ++i) {
        desktop.key("Escape");
        desktop.waitForNoWindow(kLoadTitle, 500ms);
      }
    } else {
      const WindowId box = app.waitForActiveWindow(kErrorTitle);
      ASSERT_NE(box, 0u) << "no error box";
      EXPECT_TRUE(desktop.showsText(box, "Fehler beim Laden der angegebenen Datei!"));
      desktop.key("Return");
      ASSERT_TRUE(desktop.waitForNoWindow(kErrorTitle));
    }
    ASSERT_TRUE(desktop.waitForNoWindow(kLoadTitle));
    ASSERT_TRUE(app.waitForMainActive());
  }
  const std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[0], "INC");
  EXPECT_EQ(cells[1], "END");
}

}  // namespace
}  // namespace paxamon::e2e
