// Program files from the window, and the memory editor's keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "ui/help/contexthelp.h"
#include "ui/help/helpviewer.h"
#include "ui/main/TForm1.h"
#include "ui/platform/controls.h"
#include "ui/platform/filedialog.h"
#include "ui/platform/helpcontext.h"
#include "ui/platform/messagebox.h"

namespace paxamon {
namespace {

QByteArray readFile(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
}

class Editing : public testing::Test {
 protected:
  Editing()
      : dialogs_(fileDialogHook(),
                 [this](const FileDialogRequest& r) -> std::optional<QString> {
                   requests.push_back(r);
                   if (answerName.isEmpty()) return std::nullopt;
                   return dir.filePath(answerName);
                 }),
        boxes_(messageBoxHook(), [this](const MessageBoxRequest& r) {
          boxes.push_back(r);
          return boxAnswer;
        }) {
    form.show();
    QApplication::setActiveWindow(&form);
  }

  void type(TStringGrid* grid, const QString& text) {
    QTest::keyClicks(grid->InplaceEditor(), text);
  }
  void key(TStringGrid* grid, Qt::Key k) { QTest::keyClick(grid->InplaceEditor(), k); }
  QString cell(int a) const { return (a < 16 ? form.Mem1 : form.Mem2)->Cells(0, a % 16); }
  void setCell(int a, const QString& t) {
    (a < 16 ? form.Mem1 : form.Mem2)->setCells(0, a % 16, t);
  }

  QTemporaryDir dir;
  TForm1 form;
  std::vector<FileDialogRequest> requests;
  std::vector<MessageBoxRequest> boxes;
  QString answerName;
  MessageBoxResult boxAnswer = MessageBoxResult::Ok;

 private:
  ScopedHook<std::optional<QString>(const FileDialogRequest&)> dialogs_;
  ScopedHook<MessageBoxResult(const MessageBoxRequest&)> boxes_;
};

TEST_F(Editing, SaveWritesTheGridTextsExactly) {
  setCell(0, "LDA5");
  setCell(1, "ADD6");
  setCell(2, "END");
  answerName = "a.pax";
  form.Programmspeichern1->trigger();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].title, "Speichern");
  EXPECT_EQ(requests[0].nameFilters, QStringList({"Paxamon Dateien (*.pax)", "Alle Dateien (*)"}));
  EXPECT_EQ(requests[0].defaultExt, "pax");
  EXPECT_EQ(readFile(dir.filePath("a.pax")),
            QByteArray("LDA5\r\nADD6\r\nEND\r\n") + QByteArray(29, 'x').replace("x", "\r\n"));
  EXPECT_TRUE(boxes.empty());

  // Umlauts as Windows-1252, a character outside it as "?", long texts and
  // blanks whole.
  form.BCleanClick();
  setCell(0, QString::fromUtf8("ÄÖÜß€"));
  setCell(1, QString::fromUtf8("a\u4E00b"));
  setCell(30, QString(300, 'y'));
  setCell(31, " lda 5 ");
  answerName = "b.pax";
  form.SpeedButton4->click();
  QByteArray expected;
  for (int a = 0; a < 32; ++a) {
    expected += a == 0    ? QByteArray("\xC4\xD6\xDC\xDF\x80")
                : a == 1  ? QByteArray("a?b")
                : a == 30 ? QByteArray(300, 'y')
                : a == 31 ? QByteArray(" lda 5 ")
                          : QByteArray();
    expected += "\r\n";
  }
  EXPECT_EQ(readFile(dir.filePath("b.pax")), expected);
  EXPECT_EQ(requests.back().fileName, dir.filePath("a.pax"));  // its own last choice

  // Loading it back gives every cell as saved, the 300 characters included.
  form.BCleanClick();
  form.EAK->setText("5");
  answerName = "b.pax";
  form.SpeedButton3->click();
  EXPECT_EQ(cell(0), QString::fromUtf8("ÄÖÜß€"));
  EXPECT_EQ(cell(1), "a?b");
  EXPECT_EQ(cell(30), QString(300, 'y'));
  EXPECT_EQ(cell(31), " lda 5 ");
  EXPECT_EQ(form.EAK->Text(), "");
  EXPECT_EQ(requests.back().title, "Laden");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Editing, OverwritingNeedsYes) {
  writeFile(dir.filePath("old.pax"), "old");
  setCell(0, "END");
  answerName = "old.pax";
  boxAnswer = MessageBoxResult::Closed;
  form.Programmspeichern1Click();
  EXPECT_EQ(readFile(dir.filePath("old.pax")), "old");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageBoxKind::Question);
  EXPECT_EQ(boxes[0].text,
            QString::fromUtf8(
                "Eine Datei mit diesem Name existiert schon.\rSoll sie überschrieben werden?"));
  boxAnswer = MessageBoxResult::Yes;
  form.Programmspeichern1Click();
  EXPECT_TRUE(readFile(dir.filePath("old.pax")).startsWith("END\r\n"));

  // A failed save keeps the old file and says so.
  boxes.clear();
  QDir(dir.path()).mkdir("folder.pax");
  answerName = "folder.pax";
  form.Programmspeichern1Click();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].kind, MessageBoxKind::Error);
  EXPECT_EQ(boxes[1].caption, "Fehler");
  EXPECT_EQ(boxes[1].text, "\rFehler beim Speichern!");
}

TEST_F(Editing, AFailedLoadLosesNothing) {
  setCell(0, "LDA5");
  setCell(20, "7");
  form.EIR->setText("LDA5");
  writeFile(dir.filePath("huge.pax"), QByteArray(1024 * 1024 + 1, 'x'));
  answerName = "huge.pax";
  form.Programmladen1Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageBoxKind::Error);
  EXPECT_EQ(boxes[0].text, "\rFehler beim Laden der angegebenen Datei!");
  EXPECT_EQ(cell(0), "LDA5");
  EXPECT_EQ(cell(20), "7");
  EXPECT_EQ(form.EIR->Text(), "LDA5");

  answerName = "missing.pax";
  form.Programmladen1Click();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].kind, MessageBoxKind::Plain);
  EXPECT_EQ(boxes[1].text,
            QString::fromUtf8("FEHLER: Die Datei ist nicht vorhanden oder läßt sich nicht öffnen"));
  EXPECT_EQ(cell(0), "LDA5");

  // Cancelling changes nothing either.
  answerName.clear();
  form.Programmladen1Click();
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_EQ(cell(0), "LDA5");
}

TEST_F(Editing, EnterAndBackspaceRenumber) {
  const char* program[] = {"LDA5", "ADD6", "STA7", "END", "", "10", "20"};
  for (int a = 0; a < 7; ++a)
    setCell(a, program[a]);
  form.Mem1->setFocus();
  form.Mem1->setRow(2);
  key(form.Mem1, Qt::Key_Return);
  EXPECT_EQ(form.Mem1->Row(), 3);
  EXPECT_EQ(cell(0), "LDA6");
  EXPECT_EQ(cell(1), "ADD7");
  EXPECT_EQ(cell(2), "STA7");
  EXPECT_EQ(cell(3), "");
  EXPECT_EQ(cell(4), "END");
  EXPECT_EQ(cell(7), "20");
  key(form.Mem1, Qt::Key_Backspace);
  EXPECT_EQ(form.Mem1->Row(), 2);
  EXPECT_EQ(cell(0), "LDA5");
  EXPECT_EQ(cell(1), "ADD6");
  EXPECT_EQ(cell(2), "STA6");
  EXPECT_EQ(cell(3), "END");
  EXPECT_EQ(cell(6), "20");

  // Backspace in a cell with text deletes a character and removes nothing;
  // every other text passing through memory is cut to 9.
  setCell(10, "ABCDEFGHIJKL");
  key(form.Mem1, Qt::Key_Backspace);
  EXPECT_EQ(cell(2), "");
  EXPECT_EQ(cell(3), "END");
  key(form.Mem1, Qt::Key_Backspace);
  EXPECT_EQ(cell(2), "END");
  EXPECT_EQ(cell(9), "ABCDEFGHI");

  // Backspace in the empty first cell of Mem2 goes on at the end of Mem1.
  setCell(17, "INC");
  form.Mem2->setFocus();
  form.Mem2->setRow(0);
  key(form.Mem2, Qt::Key_Backspace);
  EXPECT_EQ(cell(16), "INC");
  EXPECT_EQ(form.Mem1->Row(), 15);
  EXPECT_TRUE(form.Mem1->isAncestorOf(QApplication::focusWidget()));
  // Up and Down stay within a grid.
  key(form.Mem1, Qt::Key_Down);
  EXPECT_EQ(form.Mem1->Row(), 15);
  EXPECT_EQ(form.Mem2->Row(), 0);
}

TEST_F(Editing, TypingStopsAtNineCharacters) {
  form.Mem1->setFocus();
  type(form.Mem1, "LDA123456789");
  EXPECT_EQ(cell(0), "LDA123456");
  key(form.Mem1, Qt::Key_Backspace);
  EXPECT_EQ(cell(0), "LDA12345");
  // A longer text, loaded or pasted, still takes typing at its end.
  setCell(1, "ABCDEFGHIJ");
  key(form.Mem1, Qt::Key_Down);
  type(form.Mem1, "K");
  EXPECT_EQ(cell(1), "ABCDEFGHIJK");
  // Typing goes to the end even when the cursor arrives with the text selected.
  key(form.Mem1, Qt::Key_Up);
  type(form.Mem1, "x");
  EXPECT_EQ(cell(0), "LDA12345x");
}

TEST_F(Editing, F1AsksForTheInstructionsKeyword) {
  installContextHelp();
  HelpRequestRecorder recorder;
  setCell(0, "jmp3");
  setCell(17, QString::fromUtf8("äbc"));
  setCell(18, QString::fromUtf8("ßab"));
  form.Mem1->setFocus();
  key(form.Mem1, Qt::Key_F1);
  form.Mem2->setFocus();
  for (int row : {1, 2}) {
    form.Mem2->setRow(row);
    key(form.Mem2, Qt::Key_F1);
  }
  ASSERT_EQ(recorder.requests().size(), 3u);  // no context pop-up besides
  EXPECT_EQ(recorder.requests()[0].command, HelpCommand::Keyword);
  EXPECT_EQ(recorder.requests()[0].keyword, "Befehl, JMP");
  // Upper case by the Unicode rules: umlauts too, "ß" as "SS".
  EXPECT_EQ(recorder.requests()[1].keyword, QString::fromUtf8("Befehl, ÄBC"));
  EXPECT_EQ(recorder.requests()[2].keyword, "Befehl, SSAB");
  EXPECT_EQ(helpContext(form.Mem2), 204);
}

}  // namespace
}  // namespace paxamon
