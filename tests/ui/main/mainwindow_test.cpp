#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "ui/components/bi_btns.h"
#include "ui/help/contexthelp.h"
#include "ui/help/helpviewer.h"
#include "ui/main/TForm1.h"
#include "ui/main/Uwait.h"
#include "ui/platform/controls.h"
#include "ui/platform/messagebox.h"
#include "ui/platform/stringgrid.h"

namespace paxamon {
namespace {

// A main window with its step dialog, as the program starts them.
struct Program {
  Program() {
    form2 = new TForm2(&form1);
    form1.setStepDialog(form2);
    form1.FullRunPause = nullptr;
    form1.show();
    QApplication::setActiveWindow(&form1);
  }
  void load(std::initializer_list<const char*> texts) {
    int address = 0;
    for (const char* t : texts) {
      TStringGrid* grid = address < 16 ? form1.Mem1 : form1.Mem2;
      grid->setCells(0, address % 16, QString::fromUtf8(t));
      ++address;
    }
  }
  QString cell(int address) const {
    return (address < 16 ? form1.Mem1 : form1.Mem2)->Cells(0, address % 16);
  }

  TForm1 form1;
  TForm2* form2;
};

// Answers every step dialog of a run: `cancelAt` steps are confirmed with
// "nächster Schritt" before "Abbrechen" is pressed (0: never cancel).
struct DialogDriver {
  DialogDriver(TForm2* dialog, int cancelAt) : dialog(dialog), cancelAt(cancelAt) {
    QObject::connect(&timer, &QTimer::timeout, [this] {
      if (!this->dialog->isVisible()) return;
      ++shown;
      focusOnNext = focusOnNext && this->dialog->focusWidget() == this->dialog->Button1;
      if (this->cancelAt && shown == this->cancelAt) {
        this->dialog->Button2->click();
      } else {
        QTest::keyClick(this->dialog->Button1, Qt::Key_Space);
      }
    });
    timer.start(1);
  }
  TForm2* dialog;
  int cancelAt;
  int shown = 0;
  bool focusOnNext = true;
  QTimer timer;
};

TEST(MainWindow, StartsEmptyInSingleSteps) {
  Program p;
  TForm1& f = p.form1;
  EXPECT_EQ(f.windowTitle(), "Paxamon - Simulation eines Von-Neumann-Rechners");
  EXPECT_EQ(f.Client->size(), QSize(419, 391));
  for (int a = 0; a < 32; ++a)
    EXPECT_EQ(p.cell(a), "");
  for (TEdit* e : {f.EIR, f.EPC, f.EXR, f.EAK})
    EXPECT_EQ(e->Text(), "");
  EXPECT_EQ(f.LMode->Caption(), " Modus: Einzelschritte");
  EXPECT_TRUE(f.MEinzel->isChecked());
  EXPECT_FALSE(f.MAlle->isChecked());
  EXPECT_TRUE(f.Machine.singleStep);
  EXPECT_EQ(f.Mem1->Row(), 0);
  EXPECT_EQ(f.Mem2->Row(), 0);
  EXPECT_TRUE(f.Mem1->isAncestorOf(QApplication::focusWidget()) ||
              QApplication::focusWidget() == f.Mem1);
  EXPECT_EQ(f.ausfhren1->shortcut(), QKeySequence(Qt::Key_F9));
  EXPECT_EQ(f.MEinzel->shortcut(), QKeySequence(Qt::Key_F7));
  EXPECT_EQ(f.MAlle->shortcut(), QKeySequence(Qt::Key_F8));
  EXPECT_EQ(f.Programmladen1->shortcut(), QKeySequence("Ctrl+L"));
  EXPECT_EQ(f.Programmspeichern1->shortcut(), QKeySequence("Ctrl+S"));
}

TEST(MainWindow, ModeCommandsAndTheirTexts) {
  Program p;
  TForm1& f = p.form1;
  f.LModeClick();
  EXPECT_EQ(f.LMode->Caption(), "Modus: Gesamtdurchlauf");
  EXPECT_FALSE(f.Machine.singleStep);
  EXPECT_TRUE(f.MAlle->isChecked());
  EXPECT_FALSE(f.MEinzel->isChecked());
  f.MAlle->trigger();  // the mode already set: nothing changes
  EXPECT_TRUE(f.MAlle->isChecked());
  EXPECT_FALSE(f.Machine.singleStep);
  f.LModeClick();
  EXPECT_EQ(f.LMode->Caption(), "Modus: Einzelschritte");
  EXPECT_TRUE(f.MEinzel->isChecked());
  EXPECT_FALSE(f.MAlle->isChecked());
  EXPECT_TRUE(f.Machine.singleStep);
}

TEST(MainWindow, TheThreeRunControlsStartTheSameRun) {
  Program p;
  TForm1& f = p.form1;
  f.MAlleClick();
  const std::vector<std::function<void()>> starts = {
      [&] { f.ausfhren1->trigger(); },
      [&] { f.SpeedButton1->click(); },
      [&] { QTest::mouseClick(f.BI_GradientButton1, Qt::LeftButton, {}, QPoint(30, 12)); },
  };
  for (const auto& start : starts) {
    f.BCleanClick();
    p.load({"LDA05", "ADD06", "STA07", "END", "", "3", "4"});
    start();
    EXPECT_EQ(p.cell(7), "7");
    EXPECT_EQ(f.EAK->Text(), "7");
    EXPECT_EQ(f.EPC->Text(), "3");
    EXPECT_EQ(f.EIR->Text(), "END");
    EXPECT_EQ(f.Mem1->Row(), 3);
    EXPECT_EQ(f.LSteuer->Caption() + f.LRechen->Caption() + f.LAdd->Caption(), "");
  }
}

TEST(MainWindow, SingleStepsWaitForTheDialog) {
  Program p;
  TForm1& f = p.form1;
  p.load({"LDA05", "INC", "END", "", "", "7"});
  {
    DialogDriver driver(p.form2, 0);
    f.BRunClick();
    EXPECT_EQ(driver.shown, 3);
    EXPECT_TRUE(driver.focusOnNext);
  }
  EXPECT_EQ(f.EAK->Text(), "8");
  {
    DialogDriver driver(p.form2, 1);
    f.BRunClick();
    EXPECT_EQ(driver.shown, 1);
  }
  EXPECT_EQ(f.EPC->Text(), "0");
  EXPECT_EQ(f.EAK->Text(), "7");
  EXPECT_EQ(f.LSteuer->Caption(), "");
}

TEST(MainWindow, RunErrorsShowThePlainBoxAndNoDialog) {
  Program p;
  TForm1& f = p.form1;
  std::vector<MessageBoxRequest> boxes;
  ScopedHook hook(messageBoxHook(), [&](const MessageBoxRequest& r) {
    boxes.push_back(r);
    return MessageBoxResult::Ok;
  });
  p.load({"INC", "JMP40"});
  DialogDriver driver(p.form2, 0);
  f.BRunClick();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageBoxKind::Plain);
  EXPECT_EQ(boxes[0].caption, "Paxamon");
  EXPECT_EQ(boxes[0].text, "FEHLER: Fehlerhalfte Adress-Angabe in Speicherzelle 1");
  EXPECT_EQ(driver.shown, 1);  // after the INC, none after the error
  EXPECT_EQ(f.EIR->Text(), "INC");
  EXPECT_EQ(f.EAK->Text(), "1");
  EXPECT_EQ(f.Mem1->Row(), 1);
  EXPECT_EQ(f.LAdd->Caption() + f.LSteuer->Caption() + f.LRechen->Caption(), "");

  // The division error text arrives with its umlaut.
  boxes.clear();
  f.MAlleClick();
  p.load({"DIV05"});
  f.BRunClick();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            QString::fromUtf8("FEHLER: Division durch 0 (Inhalt der Speicherzelle 5) ist nicht "
                              "zulässig"));
}

TEST(MainWindow, FullRunNeedsNoUserAction) {
  Program p;
  TForm1& f = p.form1;
  f.MAlleClick();
  p.load({"INC", "INC", "INC", "INC", "INC", "INC", "INC", "INC", "INC", "INC", "END"});
  f.BRunClick();
  EXPECT_EQ(f.EAK->Text(), "10");
  EXPECT_EQ(f.EPC->Text(), "10");
  EXPECT_FALSE(f.isRunning());
}

TEST(MainWindow, HelpRequestsCarryTheWindowsNumbers) {
  installContextHelp();
  HelpRequestRecorder recorder;
  Program p;
  TForm1& f = p.form1;

  f.HilfezuPaxamon1->trigger();
  f.N6Datei1->popup(f.mapToGlobal(QPoint(0, 0)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f.N6Datei1));
  f.N6Datei1->setActiveAction(f.Programmladen1);
  QTest::keyClick(f.N6Datei1, Qt::Key_F1);
  // "?" stand-in: Shift+F1, then a click on a control: a grid, a register
  // field, and the mode label, which has no number and no parent with one.
  for (QWidget* target : {static_cast<QWidget*>(f.Mem2), static_cast<QWidget*>(f.EIR),
                          static_cast<QWidget*>(f.LMode)}) {
    QTest::keyClick(f.Mem1->InplaceEditor(), Qt::Key_F1, Qt::ShiftModifier);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
  }

  const auto& r = recorder.requests();
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[0].command, HelpCommand::Contents);
  EXPECT_EQ(r[1].context, 104);
  EXPECT_EQ(r[2].context, 204);
  EXPECT_EQ(r[3].context, 200);
  EXPECT_TRUE(f.Machine.singleStep);  // the click on the label was help, not a toggle
}

}  // namespace
}  // namespace paxamon
