#include "ui/main/TForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <QWindow>

#include "ui/auxiliary/UAbout.h"
#include "ui/auxiliary/UPlay.h"
#include "ui/auxiliary/Uhelp.h"
#include "ui/components/bi_btns.h"
#include "ui/help/helpviewer.h"
#include "ui/main/Uwait.h"
#include "ui/platform/controls.h"
#include "ui/platform/dialogkeys.h"
#include "ui/platform/messagebox.h"
#include "ui/platform/placement.h"
#include "ui/platform/stringgrid.h"
#include "ui/platform/textcodec.h"
#include "ui/platform/windowtimer.h"

namespace paxamon {

// Holds back all input while a full run is in progress: Escape and a request
// to close the main window stop the run after the current step; everything
// else (typing, clicks, menus, shortcuts) is dropped until the run has ended.
// A box the run itself opens (a run error) is modal and works normally.
class FullRunGuard : public QObject {
 public:
  explicit FullRunGuard(QWidget* mainWindow) : mainWindow_(mainWindow) {
    qApp->installEventFilter(this);
  }
  ~FullRunGuard() override { qApp->removeEventFilter(this); }

  bool stop = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (inModalWindow(watched)) return false;
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::ShortcutOverride:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) stop = true;
        return true;
      case QEvent::Close:
        // The main window's own close handling stops the run and closes it
        // afterwards; other windows stay as they are.
        if (watched == mainWindow_ ||
            watched == static_cast<QObject*>(mainWindow_->windowHandle())) {
          return false;
        }
        event->ignore();
        return true;
      case QEvent::KeyRelease:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::InputMethod:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TabletPress:
      case QEvent::TabletMove:
      case QEvent::TabletRelease:
      case QEvent::WhatsThis:
        return true;
      default:
        return false;
    }
  }

 private:
  // Whether watched is, or lies in, the modal window on top: no window is
  // modal when a full run starts, so only one the run opened can be.
  static bool inModalWindow(QObject* watched) {
    const QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return false;
    if (const auto* widget = qobject_cast<const QWidget*>(watched))
      return widget->window() == modal;
    return watched == modal->windowHandle();
  }

  QWidget* mainWindow_;
};

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::WindowContextHelpButtonHint),
      FOpen(FileDialogKind::Open, this),
      FSave(FileDialogKind::Save, this),
      FullRunPause(fullRunWait) {
  createControls();
  createMenu();
  setFixedSize(Client->width(), Client->height() + menuBar()->sizeHint().height());
  bindHandlers();
  // The memory grids take the letters: access keys need Alt here.
  setAccessKeysNeedAlt(this, true);
  setAcceptDrops(true);
  FormCreate();
}

// Out of line: FullRunGuard is complete only here.
TForm1::~TForm1() = default;

void TForm1::fullRunWait() {
  waitServingEvents(kFullRunPause);
}

void TForm1::bindHandlers() {
  connect(Neu1, &QAction::triggered, this, &TForm1::BCleanClick);
  connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::BCleanClick);
  connect(Beenden1, &QAction::triggered, this, &TForm1::BEndeClick);
  connect(BI_GradientButton2, &TBI_GradientButton::clicked, this, &TForm1::BEndeClick);
  connect(ausfhren1, &QAction::triggered, this, &TForm1::BRunClick);
  connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::BRunClick);
  connect(BI_GradientButton1, &TBI_GradientButton::clicked, this, &TForm1::BRunClick);
  connect(MEinzel, &QAction::triggered, this, &TForm1::MEinzelClick);
  connect(MAlle, &QAction::triggered, this, &TForm1::MAlleClick);
  connect(LMode, &TLabel::clicked, this, &TForm1::LModeClick);
  connect(HilfezuPaxamon1, &QAction::triggered, this, &TForm1::HilfezuPaxamon1Click);
  connect(Programmladen1, &QAction::triggered, this, &TForm1::Programmladen1Click);
  connect(SpeedButton3, &QToolButton::clicked, this, &TForm1::Programmladen1Click);
  connect(Programmspeichern1, &QAction::triggered, this, &TForm1::Programmspeichern1Click);
  connect(SpeedButton4, &QToolButton::clicked, this, &TForm1::Programmspeichern1Click);
  connect(Befehlsbersicht1, &QAction::triggered, this, &TForm1::SpeedButton5Click);
  connect(SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
  connect(ber1, &QAction::triggered, this, &TForm1::ber1Click);
  connect(Label7, &TLabel::clicked, this, &TForm1::Credits1Click);
  connect(Label8, &TLabel::clicked, this, &TForm1::Credits1Click);
  Mem1->OnKeyDown = [this](Word& key, TShiftState shift) { Mem1KeyDown(key, shift); };
  Mem1->OnKeyPress = [this](char32_t& key) { Mem1KeyPress(key); };
  Mem1->OnKeyUp = [this](Word& key, TShiftState shift) { Mem1KeyUp(key, shift); };
  Mem2->OnKeyDown = [this](Word& key, TShiftState shift) { Mem2KeyDown(key, shift); };
  Mem2->OnKeyPress = [this](char32_t& key) { Mem2KeyPress(key); };
  Mem2->OnKeyUp = [this](Word& key, TShiftState shift) { Mem2KeyUp(key, shift); };
}

void TForm1::FormCreate() {
  BCleanClick();
}

void TForm1::FormShow() {
  Mem1->setFocus();
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_) {
    shown_ = true;
    // Centred on the screen the first time it is shown.
    centreOnScreen(this);
  }
  FormShow();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (running_) {
    // A run in single steps ends at its dialog; a full run stops after the
    // current step, then the window closes.
    closeAfterRun_ = true;
    if (guard_) guard_->stop = true;
    event->ignore();
    return;
  }
  // Closing the main window ends the program, help windows included.
  HelpViewer::instance().closeAll();
  QMainWindow::closeEvent(event);
}

namespace {

// The one local file a drag carries, or an empty text: several files, a
// folder or anything else are not taken.
QString droppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().front();
  if (!url.isLocalFile()) return {};
  const QString path = url.toLocalFile();
  return QFileInfo(path).isDir() ? QString() : path;
}

}  // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (!running_ && !droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const QString path = droppedFile(event->mimeData());
  if (running_ || path.isEmpty()) return;
  event->acceptProposedAction();
  OpenProgram(path);
}

void TForm1::BCleanClick() {
  for (TEdit* field : {EIR, EPC, EXR, EAK})
    field->setText(QString());
  for (TStringGrid* grid : {Mem1, Mem2}) {
    for (int row = 0; row < kRowsPerGrid; ++row)
      grid->setCells(0, row, QString());
    grid->setCol(0);
    grid->setRow(0);
  }
  Mem1->setFocus();
}

void TForm1::BRunClick() {
  if (running_) return;
  running_ = true;
  executedCell_ = -1;
  const QString title = windowTitle(), mode = LMode->Caption();
  if (!Machine.singleStep) {
    guard_ = std::make_unique<FullRunGuard>(this);
    setWindowTitle(kFullRunTitle);
    LMode->setCaption(kFullRunHint);
  }
  run(Machine, *this, FullRunPause);
  setWindowTitle(title);
  LMode->setCaption(mode);
  const bool closeNow = closeAfterRun_;
  guard_.reset();
  running_ = false;
  closeAfterRun_ = false;
  if (closeNow) close();
}

void TForm1::BEndeClick() {
  close();
}

void TForm1::MEinzelClick() {
  Machine.singleStep = true;
  MEinzel->setChecked(true);
  MAlle->setChecked(false);
  LMode->setCaption(QStringLiteral("Modus: Einzelschritte"));
}

void TForm1::MAlleClick() {
  Machine.singleStep = false;
  MEinzel->setChecked(false);
  MAlle->setChecked(true);
  LMode->setCaption(QStringLiteral("Modus: Gesamtdurchlauf"));
}

void TForm1::LModeClick() {
  if (Machine.singleStep) {
    MAlleClick();
  } else {
    MEinzelClick();
  }
}

void TForm1::SpeedButton5Click() {
  if (Form3) Form3->Toggle();
}

void TForm1::ber1Click() {
  if (About) About->exec();
}

void TForm1::Credits1Click() {
  if (Form4) Form4->exec();
}

void TForm1::HilfezuPaxamon1Click() {
  HelpViewer::instance().showContents();
}

// --- RunView ---

CellTexts TForm1::readCells() {
  CellTexts texts;
  for (int row = 0; row < kRowsPerGrid; ++row) {
    texts[static_cast<std::size_t>(row)] = toCellText(Mem1->Cells(0, row));
    texts[static_cast<std::size_t>(kRowsPerGrid + row)] = toCellText(Mem2->Cells(0, row));
  }
  return texts;
}

void TForm1::writeCells(const CellTexts& texts) {
  setGridTexts(texts);
}

void TForm1::setGridTexts(const CellTexts& texts) {
  for (int row = 0; row < kRowsPerGrid; ++row) {
    Mem1->setCells(0, row, fromCellText(texts[static_cast<std::size_t>(row)]));
    Mem2->setCells(0, row, fromCellText(texts[static_cast<std::size_t>(kRowsPerGrid + row)]));
  }
}

void TForm1::selectCell(CellAddress address) {
  executedCell_ = address;
  if (address < kRowsPerGrid) {
    Mem1->setRow(address);
  } else {
    Mem2->setRow(address - kRowsPerGrid);
  }
}

void TForm1::setIR(std::string_view text) {
  EIR->setText(fromCellText(text));
}
void TForm1::setPC(std::string_view text) {
  EPC->setText(fromCellText(text));
}
void TForm1::setXR(std::string_view text) {
  EXR->setText(fromCellText(text));
}
void TForm1::setAK(std::string_view text) {
  EAK->setText(fromCellText(text));
}
void TForm1::setSign(std::string_view text) {
  LAdd->setCaption(fromCellText(text));
}
void TForm1::setControlPath(std::string_view text) {
  LSteuer->setCaption(fromCellText(text));
}
void TForm1::setDataPath(std::string_view text) {
  LRechen->setCaption(fromCellText(text));
}

void TForm1::showRunError(std::string_view text) {
  showMessage(fromCellText(text));
}

StepChoice TForm1::showStepDialog() {
  if (!Form2) return StepChoice::Next;
  return Form2->execute(this, stepSummary());
}

QString TForm1::stepSummary() const {
  QStringList parts;
  for (const auto& [label, field] : {std::pair{Label1, EIR}, std::pair{Label2, EPC},
                                     std::pair{Label3, EXR}, std::pair{Label4, EAK}}) {
    if (!field->Text().isEmpty())
      parts << label->Caption() + QStringLiteral(" ") + field->shownText();
  }
  const QString registers = parts.join(QStringLiteral(", "));
  if (executedCell_ < 0) return registers;
  return QStringLiteral("Zelle %1 ausgeführt. %2").arg(executedCell_).arg(registers);
}

void TForm1::repaintNow() {
  repaint();
}

bool TForm1::stopRequested() {
  // Escape or a close request arrived during the step's pause.
  return guard_ && guard_->stop;
}

}  // namespace paxamon
