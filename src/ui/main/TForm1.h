// The main window: the block diagram of the computer with its memory grids
// and register fields, the menu and tool bar with every command, and the
// view through which the executor shows a run.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolButton>
#include <memory>

#include "machine/executor.h"
#include "machine/state.h"
#include "ui/platform/filedialog.h"
#include "ui/platform/stringgrid.h"

namespace paxamon {

class TBevel;
class TBI_GradientButton;
class TDfGradient;
class TEdit;
class TAbout;
class TForm2;
class TForm3;
class TForm4;
class TGroupBox;
class TLabel;
class TShape;
class FullRunGuard;

class TForm1 : public QMainWindow, public RunView {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The single-step dialog, created after this window at program start.
  void setStepDialog(TForm2* dialog) { Form2 = dialog; }
  // The instruction overview, created after the about box.
  void setOverview(TForm3* overview) { Form3 = overview; }
  // The about box and the credits roll, shown modally.
  void setAboutBox(TAbout* box) { About = box; }
  void setCreditsWindow(TForm4* roll) { Form4 = roll; }

  MachineState Machine;

  // Controls, in the order they lie from back to front.
  QWidget* Client;
  TDfGradient* DfGradient1;
  TShape* Shape1;
  TBevel* Bevel7;
  QToolButton *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton1, *SpeedButton5;
  TLabel *Label8, *Label7;
  TGroupBox* GroupBox2;
  TLabel *Label1, *Label2;
  TEdit *EIR, *EPC;
  TGroupBox* GroupBox3;
  TLabel *Label3, *Label4;
  TEdit *EXR, *EAK;
  TGroupBox* GroupBox1;
  TLabel *Label5, *Label6;
  TStringGrid *Mem1, *Mem2;
  TBevel *Bevel1, *Bevel2, *Bevel3, *Bevel4, *Bevel5, *Bevel6;
  TLabel *LSteuer, *LRechen, *LAdd, *LMode;
  TBI_GradientButton *BI_GradientButton1, *BI_GradientButton2;

  // The main menu.
  QMenu *N6Datei1, *Ablauf1, *Hilfe1;
  QAction *Neu1, *Programmladen1, *Programmspeichern1, *Beenden1;
  QAction *ausfhren1, *MEinzel, *MAlle;
  QAction *HilfezuPaxamon1, *Befehlsbersicht1, *ber1;

  // The load and save dialogs; each proposes its own last choice.
  TFileDialog FOpen;
  TFileDialog FSave;

  // Handlers.
  void FormCreate();
  void FormShow();
  void BCleanClick();
  void BRunClick();
  void BEndeClick();
  void MEinzelClick();
  void MAlleClick();
  void LModeClick();
  void HilfezuPaxamon1Click();
  void Programmladen1Click();
  // Loads a file named from outside the window (the command line, a file
  // dropped on the window) as "Programm laden" does with the name chosen in
  // its dialog, which then proposes that file. Nothing while a run goes on.
  void OpenProgram(const QString& fileName);
  void Programmspeichern1Click();
  void SpeedButton5Click();
  void ber1Click();
  void Credits1Click();

  // Key handlers of the memory grids.
  void Mem1KeyDown(Word& key, TShiftState shift);
  void Mem1KeyPress(char32_t& key);
  void Mem1KeyUp(Word& key, TShiftState shift);
  void Mem2KeyDown(Word& key, TShiftState shift);
  void Mem2KeyPress(char32_t& key);
  void Mem2KeyUp(Word& key, TShiftState shift);

  // Whether a run is in progress.
  bool isRunning() const { return running_; }

  // While a full run lasts, the title and the mode label say that Escape
  // stops it; afterwards they are as before.
  static inline const QString kFullRunTitle = QStringLiteral("Gesamtdurchlauf - Esc bricht ab");
  static inline const QString kFullRunHint = QStringLiteral("Esc bricht den Lauf ab");

  // What the last step did, as a screen reader reads it with the step
  // dialog: the executed cell and the registers that show a value.
  QString stepSummary() const;

  // RunView
  CellTexts readCells() override;
  void writeCells(const CellTexts& texts) override;
  void selectCell(CellAddress address) override;
  void setIR(std::string_view text) override;
  void setPC(std::string_view text) override;
  void setXR(std::string_view text) override;
  void setAK(std::string_view text) override;
  void setSign(std::string_view text) override;
  void setControlPath(std::string_view text) override;
  void setDataPath(std::string_view text) override;
  void showRunError(std::string_view text) override;
  StepChoice showStepDialog() override;
  void repaintNow() override;
  bool stopRequested() override;

  // The pause after each step of a full run: the window shows the step for
  // 10 ms, a pace a pupil can follow, while the processor rests and the
  // window system is served (the full run's guard holds input back but
  // Escape and a close request). Tests may leave it out.
  static constexpr int kFullRunPause = 10;  // milliseconds
  static void fullRunWait();
  PauseFunction FullRunPause;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // A single file dragged from a file manager is loaded; nothing else is
  // taken by dragging.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Loads a program file into the grids, with the load's boxes on failure.
  void LoadProgram(const QString& fileName);
  void createControls();  // the design-time layout
  void createMenu();
  void bindHandlers();

  // The memory editor: what the twin handlers of Mem1 and Mem2 share.
  void memKeyDown(TStringGrid* grid, Word key);
  void memKeyPress(TStringGrid* grid, char32_t& key);
  void memKeyUp(TStringGrid* grid);
  void enterOperation(TStringGrid* grid);
  void backspaceOperation(TStringGrid* grid);
  int baseOf(const TStringGrid* grid) const { return grid == Mem1 ? 0 : kRowsPerGrid; }
  // The grid texts as cell texts, each cut to 9 characters.
  void fillWorkingCopy();
  void setGridTexts(const CellTexts& texts);

  TForm2* Form2 = nullptr;
  TForm3* Form3 = nullptr;
  TAbout* About = nullptr;
  TForm4* Form4 = nullptr;
  std::unique_ptr<FullRunGuard> guard_;  // only while a full run is in progress
  bool running_ = false;
  bool closeAfterRun_ = false;
  int executedCell_ = -1;  // the cell of the last step
  bool shown_ = false;
};

}  // namespace paxamon
