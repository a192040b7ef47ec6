// The main window, and the command line it starts with.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "ui/components/bi_btns.h"
#include "ui/help/contexthelp.h"
#include "ui/help/helpviewer.h"
#include "ui/main/TForm1.h"
#include "ui/main/commandline.h"
#include "ui/platform/controls.h"
#include "ui/platform/filedialog.h"
#include "ui/platform/helpcontext.h"
#include "ui/platform/messagebox.h"

namespace paxamon {
namespace {

// The main window without its step dialog (every step goes on) and without
// the full run's pauses; file dialogs and boxes are answered by the test.
class MainWindow : public testing::Test {
 protected:
  MainWindow()
      : dialogs_(fileDialogHook(),
                 [this](const FileDialogRequest&) -> std::optional<QString> {
                   if (answerName.isEmpty()) return std::nullopt;
                   return dir.filePath(answerName);
                 }),
        boxes_(messageBoxHook(), [this](const MessageBoxRequest& r) {
          boxes.push_back(r);
          return boxAnswer;
        }) {
    form.FullRunPause = nullptr;
    form.show();
    QApplication::setActiveWindow(&form);
  }

  TStringGrid* grid(int a) const { return a < 16 ? form.Mem1 : form.Mem2; }
  void key(int a, Qt::Key k) { QTest::keyClick(grid(a)->InplaceEditor(), k); }
  void type(int a, const QString& text) { QTest::keyClicks(grid(a)->InplaceEditor(), text); }
  void setCells(int from, const QStringList& texts) {
    for (int a = from; a < from + texts.size(); ++a)
      grid(a)->setCells(0, a % 16, texts[a - from]);
  }
  QStringList cells(int from, int count) const {
    QStringList texts;
    for (int a = from; a < from + count; ++a)
      texts << grid(a)->Cells(0, a % 16);
    return texts;
  }
  static QByteArray readFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }

  QTemporaryDir dir;
  TForm1 form;
  std::vector<MessageBoxRequest> boxes;
  QString answerName;
  MessageBoxResult boxAnswer = MessageBoxResult::Ok;

 private:
  ScopedHook<std::optional<QString>(const FileDialogRequest&)> dialogs_;
  ScopedHook<MessageBoxResult(const MessageBoxRequest&)> boxes_;
};

TEST_F(MainWindow, OverwritingNeedsYesAndFailedFilesChangeNothing) {
  QFile old(dir.filePath("old.pax"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
  old.close();
  setCells(0, {"END"});
  answerName = "old.pax";
  boxAnswer = MessageBoxResult::Closed;
  form.Programmspeichern1Click();
  EXPECT_EQ(readFile(old.fileName()), "old");
  boxAnswer = MessageBoxResult::Yes;
  form.Programmspeichern1Click();
  EXPECT_TRUE(readFile(old.fileName()).startsWith("END\r\n"));
  QDir(dir.path()).mkdir("folder.pax");
  answerName = "folder.pax";
  form.Programmspeichern1Click();  // a failed save says so

  // A file too large to be a program, a missing one, a cancelled dialog.
  form.EIR->setText("END");
  ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write(QByteArray(1024 * 1024 + 1, 'x')));
  old.close();
  for (const QString name : {"old.pax", "missing.pax", ""}) {
    answerName = name;
    form.Programmladen1Click();
  }
  EXPECT_EQ(cells(0, 2), (QStringList{"END", ""}));
  EXPECT_EQ(form.EIR->Text(), "END");
  QStringList shown;
  for (const MessageBoxRequest& box : boxes)
    shown << box.caption + ": " + box.text;
  const QString question =
      "Bestätigen: Eine Datei mit diesem Name existiert schon.\rSoll sie überschrieben werden?";
  EXPECT_EQ(shown, (QStringList{question, question, question, "Fehler: \rFehler beim Speichern!",
                                "Fehler: \rFehler beim Laden der angegebenen Datei!",
                                "Paxamon: FEHLER: Die Datei ist nicht vorhanden oder läßt sich "
                                "nicht öffnen"}));
}

TEST_F(MainWindow, EnterInsertsAndBackspaceRemovesACellRenumberingTheAddresses) {
  setCells(0, {"LDA5", "ADD6", "STA7", "END", "", "10", "20"});
  form.Mem1->setFocus();
  form.Mem1->setRow(2);
  key(2, Qt::Key_Return);
  EXPECT_EQ(form.Mem1->Row(), 3);
  EXPECT_EQ(cells(0, 8), (QStringList{"LDA6", "ADD7", "STA7", "", "END", "", "10", "20"}));
  key(3, Qt::Key_Backspace);
  EXPECT_EQ(form.Mem1->Row(), 2);
  EXPECT_EQ(cells(0, 7), (QStringList{"LDA5", "ADD6", "STA6", "END", "", "10", "20"}));

  // Backspace in a cell with text deletes a character and removes nothing;
  // every other text passing through memory is cut to 9.
  setCells(10, {"ABCDEFGHIJKL"});
  key(2, Qt::Key_Backspace);
  EXPECT_EQ(cells(2, 2), (QStringList{"", "END"}));
  key(2, Qt::Key_Backspace);
  EXPECT_EQ(cells(2, 1), QStringList{"END"});
  EXPECT_EQ(cells(9, 1), QStringList{"ABCDEFGHI"});

  // Backspace in the empty first cell of Mem2 goes on at the end of Mem1.
  setCells(17, {"INC"});
  form.Mem2->setFocus();
  form.Mem2->setRow(0);
  key(16, Qt::Key_Backspace);
  EXPECT_EQ(cells(16, 1), QStringList{"INC"});
  EXPECT_EQ(form.Mem1->Row(), 15);
  EXPECT_TRUE(form.Mem1->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(MainWindow, TypingStopsAtNineCharactersAndGoesToTheEnd) {
  form.Mem1->setFocus();
  type(0, "LDA123456789");
  EXPECT_EQ(cells(0, 1), QStringList{"LDA123456"});
  key(0, Qt::Key_Backspace);
  // A longer text, loaded or pasted, still takes typing at its end.
  setCells(1, {"ABCDEFGHIJ"});
  key(0, Qt::Key_Down);
  type(1, "K");
  // Typing goes to the end even when the cell arrives with its text selected.
  key(1, Qt::Key_Up);
  type(0, "x");
  EXPECT_EQ(cells(0, 2), (QStringList{"LDA12345x", "ABCDEFGHIJK"}));
}

TEST_F(MainWindow, HelpAsksForTheInstructionsKeywordOrTheControlsNumber) {
  installContextHelp();
  HelpRequestRecorder recorder;
  setCells(0, {"jmp3"});
  setCells(17, {"äbc", "ßab"});
  form.Mem1->setFocus();
  key(0, Qt::Key_F1);
  form.Mem2->setFocus();
  for (int row : {1, 2}) {
    form.Mem2->setRow(row);
    key(16, Qt::Key_F1);
  }
  EXPECT_EQ(helpContext(form.Mem2), 204);
  // Shift+F1, then a click on a control: a grid, a register field, and the
  // mode label, which has no number and no parent with one.
  for (QWidget* target : std::initializer_list<QWidget*>{form.Mem2, form.EIR, form.LMode}) {
    QTest::keyClick(form.Mem1->InplaceEditor(), Qt::Key_F1, Qt::ShiftModifier);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
  }
  const auto& r = recorder.requests();
  ASSERT_EQ(r.size(), 5u);  // no context pop-up besides the keywords
  // Upper case by the Unicode rules: umlauts too, "ß" as "SS".
  EXPECT_EQ((QStringList{r[0].keyword, r[1].keyword, r[2].keyword}),
            (QStringList{"Befehl, JMP", "Befehl, ÄBC", "Befehl, SSAB"}));
  EXPECT_TRUE(r[3].context == 204 && r[4].context == 200);
  EXPECT_TRUE(form.Machine.singleStep);  // the click on the label was help, not a toggle
}

TEST_F(MainWindow, TheThreeRunControlsRunAndErrorsReachTheBoxWithTheirUmlauts) {
  form.LModeClick();
  EXPECT_FALSE(form.Machine.singleStep);
  const std::vector<std::function<void()>> starts = {
      [&] { form.ausfhren1->trigger(); },
      [&] { form.SpeedButton1->click(); },
      [&] { QTest::mouseClick(form.BI_GradientButton1, Qt::LeftButton, {}, QPoint(30, 12)); },
  };
  for (const auto& start : starts) {
    form.BCleanClick();
    setCells(0, {"LDA05", "ADD06", "STA07", "END", "", "3", "4"});
    start();
    EXPECT_EQ(cells(7, 1), QStringList{"7"});
  }
  EXPECT_TRUE(boxes.empty());
  form.BCleanClick();
  setCells(0, {"DIV05"});
  form.BRunClick();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption + ": " + boxes[0].text,
            "Paxamon: FEHLER: Division durch 0 (Inhalt der Speicherzelle 5) ist nicht zulässig");
}

CommandLine parse(std::vector<const char*> args) {
  args.insert(args.begin(), "paxamon");
  return parseCommandLine(static_cast<int>(args.size()), args.data());
}

TEST(CommandLine, AFileOptionsAndMistakes) {
  using A = CommandLine::Action;
  EXPECT_EQ(parse({"summe.pax"}).file, "summe.pax");
  EXPECT_EQ(parse({"x.pax", "--version"}).action, A::Version);
  // "--" ends the options: a file may begin with "-"; "-" alone is a name.
  EXPECT_EQ(parse({"--", "--help"}).file, "--help");
  EXPECT_EQ(parse({"-"}).file, "-");
  EXPECT_EQ(parse({"-platform", "xcb"}).error, "unbekannte Option: -platform");
  EXPECT_EQ(parse({"a.pax", "b.pax"}).action, A::UsageError);
  EXPECT_EQ(parse({""}).action, A::UsageError);
}

}  // namespace
}  // namespace paxamon
