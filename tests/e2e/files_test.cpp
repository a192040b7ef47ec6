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

std::string emptyLines(int count) {
  std::string lines;
  for (int i = 0; i < count; ++i)
    lines += "\r\n";
  return lines;
}

TEST_F(Files, SavedFileIsTheProgramByteForByte) {
  app.typeProgram({"lda 12", "  7", "$FF", "STA12XY"});
  app.typeIntoCell(31, "END");
  const std::string path = app.folder() + "/programm.pax";
  ASSERT_TRUE(app.saveAs(path));
  EXPECT_EQ(Paxamon::readFile(path),
            "lda 12\r\n  7\r\n$FF\r\nSTA12XY\r\n" + emptyLines(27) + "END\r\n");
}

TEST_F(Files, LoadThroughTheDialog) {
  const std::string path = app.folder() + "/summe.pax";
  Paxamon::writeFile(
      path, "LDA20\r\nADD21\r\nSTA22\r\nEND\r\n" + emptyLines(16) + "3\r\n4\r\n" + emptyLines(10));
  ASSERT_NE(app.openWithKey("ctrl+l", kLoadTitle), 0u);
  app.chooseFile(path);
  ASSERT_TRUE(desktop.waitForNoWindow(kLoadTitle));
  ASSERT_TRUE(app.waitForMainActive());
  // Loaded: a full run adds the two numbers.
  desktop.key("F8");
  desktop.key("F9");
  const std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[0], "LDA20");
  EXPECT_EQ(cells[22], "7");
}

TEST_F(Files, AMissingFileIsRefusedAndTheProgramStays) {
  app.typeProgram({"INC"});
  const WindowId dialog = app.openWithKey("ctrl+l", kLoadTitle);
  ASSERT_NE(dialog, 0u);
  app.chooseFile(app.folder() + "/fehlt.pax");
  // The refusal is a box of its own over the dialog.
  WindowId box = 0;
  ASSERT_TRUE(waitUntil([&] {
    box = desktop.activeWindow();
    return box != dialog && desktop.title(box) == kLoadTitle;
  })) << "no box for the missing file";
  desktop.shot("load-missing");
  EXPECT_TRUE(desktop.showsText(box, "fehlt.pax"));
  desktop.key("Return");
  ASSERT_TRUE(desktop.waitForActive(dialog));
  desktop.key("Escape");
  ASSERT_TRUE(desktop.waitForNoWindow(kLoadTitle));
  const std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[0], "INC");
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
      const WindowId box = desktop.waitForWindow(kErrorTitle);
      ASSERT_NE(box, 0u) << "no error box";
      ASSERT_TRUE(desktop.waitForActive(box));
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

enum class Answer { Yes, No, Closed };

class Overwrite : public PaxamonTest {
 protected:
  // Saves over an existing file and answers the overwrite question.
  void scenario(Answer answer);
};

void Overwrite::scenario(Answer answer) {
  const std::string path = app.folder() + "/alt.pax";
  const std::string old = "alt\r\n" + emptyLines(31);
  Paxamon::writeFile(path, old);
  app.typeProgram({"neu"});
  ASSERT_NE(app.openWithKey("ctrl+s", kSaveTitle), 0u);
  app.chooseFile(path);
  const WindowId question = desktop.waitForWindow(kQuestionTitle);
  ASSERT_NE(question, 0u) << "no overwrite question";
  ASSERT_TRUE(desktop.waitForActive(question));
  const QRect frame = desktop.settledFrame(question);
  EXPECT_EQ(frame.topLeft(), QPoint((Desktop::kScreenWidth - frame.width()) / 2,
                                    (Desktop::kScreenHeight - frame.height()) / 2));
  desktop.shot("overwrite-question");
  EXPECT_TRUE(desktop.showsText(question, "Soll sie überschrieben werden?"));
  switch (answer) {
    case Answer::Yes:
      desktop.key("Return");
      break;
    case Answer::No:
      desktop.key("n");
      break;
    case Answer::Closed:
      desktop.click(Desktop::closeButton(frame));
      break;
  }
  ASSERT_TRUE(desktop.waitForNoWindow(kQuestionTitle));
  ASSERT_TRUE(app.waitForMainActive());
  pause(200ms);
  EXPECT_EQ(Paxamon::readFile(path), answer == Answer::Yes ? "neu\r\n" + emptyLines(31) : old);
}

TEST_F(Overwrite, QuestionAnsweredJa) {
  scenario(Answer::Yes);
}

TEST_F(Overwrite, QuestionAnsweredNein) {
  scenario(Answer::No);
}

TEST_F(Overwrite, QuestionClosed) {
  scenario(Answer::Closed);
}

TEST_F(Files, TheDialogShowsSizesAndDatesInGerman) {
  const std::string path = app.folder() + "/test.pax";
  Paxamon::writeFile(path, std::string(34, 'x') + emptyLines(32));  // 98 bytes
  std::tm when{};
  when.tm_year = 100;
  when.tm_mon = 11;
  when.tm_mday = 6;
  when.tm_hour = 12;
  const utimbuf times{std::mktime(&when), std::mktime(&when)};
  ASSERT_EQ(utime(path.c_str(), &times), 0);
  const WindowId dialog = app.openWithKey("ctrl+s", kSaveTitle);
  ASSERT_NE(dialog, 0u);
  EXPECT_TRUE(desktop.showsText(dialog, "06.12.00"));
  desktop.shot("save-dialog");
  const QString text = readText(desktop.grab(desktop.clientRect(dialog)));
  EXPECT_TRUE(text.contains(QStringLiteral("98 Bytes"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("Dec"))) << text.toStdString();
  desktop.key("Escape");
  EXPECT_TRUE(desktop.waitForNoWindow(kSaveTitle));
}

}  // namespace
}  // namespace paxamon::e2e
