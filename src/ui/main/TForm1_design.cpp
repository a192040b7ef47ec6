// The main window as designed: every control's position, size, font, colour
// and caption, and the main menu. Behaviour lives in TForm1.cpp.
#include <QMenuBar>

#include "ui/components/Gradient.h"
#include "ui/components/bi_btns.h"
#include "ui/main/TForm1.h"
#include "ui/main/glyphs.h"
#include "ui/main/helpcontexts.h"
#include "ui/platform/colors.h"
#include "ui/platform/controls.h"
#include "ui/platform/fonts.h"
#include "ui/platform/helpcontext.h"
#include "ui/platform/stringgrid.h"

namespace paxamon {

namespace {

TBevel* topLine(QWidget* parent, int left, int top, int width) {
  auto* b = new TBevel(TBevelShape::bsTopLine, TBevelStyle::bsLowered, parent);
  b->setGeometry(left, top, width, 2);
  return b;
}

TBevel* leftLine(QWidget* parent, int left, int top, int height) {
  auto* b = new TBevel(TBevelShape::bsLeftLine, TBevelStyle::bsLowered, parent);
  b->setGeometry(left, top, 2, height);
  return b;
}

QToolButton* toolButton(QWidget* parent, int left, const QString& hint, const QImage& glyph) {
  auto* b = new QToolButton(parent);
  b->setGeometry(left, 0, 25, 25);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  b->setToolTip(hint);
  b->setAccessibleName(hint);
  b->setIcon(toolButtonIcon(glyph));
  b->setIconSize(QSize(16, 16));
  return b;
}

// A register field, named for assistive technology by its label, with
// the register's full name as the description.
TEdit* registerField(QWidget* parent, int top, bool upperCase, const TLabel* label,
                     const QString& description) {
  auto* e = new TEdit(parent);
  e->setAccessibleName(label->Caption());
  e->setAccessibleDescription(description);
  e->setGeometry(32, top, 70, 21);
  e->setFont(makeFont("Courier", 11));
  e->setFontColor(clBlack);
  e->setUpperCase(upperCase);
  return e;
}

TGroupBox* groupBox(QWidget* parent, const QString& caption, const QRect& geometry) {
  auto* g = new TGroupBox(caption, parent);
  g->setGeometry(geometry);
  g->setFont(makeFont("Arial", 13, {.bold = true}));
  g->setColor(clBlack);
  g->setFontColor(clLime);
  return g;
}

TStringGrid* memoryGrid(QWidget* parent, int left, int firstCell) {
  auto* g = new TStringGrid(parent);
  QStringList names;
  for (int row = 0; row < 16; ++row)
    names << QStringLiteral("Zelle %1").arg(firstCell + row);
  g->setCellNames(names);
  g->setAccessibleName(
      QStringLiteral("Hauptspeicher, Zellen %1 bis %2").arg(firstCell).arg(firstCell + 15));
  g->setGeometry(left, 24, 81, 275);
  g->setFont(makeFont("Courier", 11));
  g->setRowCount(16);
  g->setDefaultColWidth(78);
  g->setDefaultRowHeight(16);
  g->setAlwaysShowEditor(true);
  return g;
}

TBI_GradientButton* gradientButton(QWidget* parent, const QString& caption, int left) {
  auto* b = new TBI_GradientButton(parent);
  b->setGeometry(left, 360, 73, 25);
  b->setLightColor(clBtnHighlight);
  b->setShadowColor(clBtnShadow);
  b->setGrayedInactive(true);
  b->setLayout(TButtonLayout::blGlyphLeft);
  b->setPaint256(true);
  b->setVertical(true);
  b->setGroupIndex(0);
  b->setFont(makeFont("MS Sans Serif", 11));
  b->setFontColor(clBlack);
  b->setCaption(caption);
  return b;
}

}  // namespace

void TForm1::createControls() {
  setWindowTitle(QStringLiteral("Paxamon - Simulation eines Von-Neumann-Rechners"));

  Client = new QWidget(this);
  Client->setFixedSize(419, 391);
  Client->setAutoFillBackground(true);
  QPalette palette = Client->palette();
  palette.setColor(QPalette::Window, toQColor(clBlack));
  palette.setColor(QPalette::WindowText, toQColor(clLime));
  Client->setPalette(palette);
  Client->setFont(makeFont("MS Sans Serif", 11));
  setCentralWidget(Client);

  DfGradient1 = new TDfGradient(Client);
  DfGradient1->setGeometry(0, 200, 425, 193);
  TGradient* gradient = DfGradient1->gradient();
  gradient->setGradientStyle(TGradientStyle::gsLine);
  gradient->setLineSize(1);
  gradient->setColor1(clBlack);
  gradient->setColor2(clBlack);
  gradient->setColor3(clBlack);
  gradient->setColor4(clBlack);
  gradient->setColor5(clGray);
  gradient->setColorCount(4);
  gradient->setLineDirection(TDirection::diHorizonal);

  Shape1 = new TShape(clBtnFace, Client);
  Shape1->setGeometry(0, 0, 430, 28);
  Bevel7 = topLine(Client, 0, 26, 433);

  SpeedButton2 = toolButton(Client, 8, QStringLiteral("Neues Programm"), newProgramGlyph());
  SpeedButton3 = toolButton(Client, 32, QStringLiteral("Programm laden"), loadProgramGlyph());
  SpeedButton4 = toolButton(Client, 56, QStringLiteral("Programm speichern"), saveProgramGlyph());
  SpeedButton1 = toolButton(Client, 88, QStringLiteral("Ausführen"), runGlyph());
  SpeedButton5 = toolButton(Client, 120, QStringLiteral("Befehlsübersicht"), overviewGlyph());

  const QFont small = makeFont("MS Sans Serif", 9);
  for (TLabel** l : {&Label8, &Label7}) {
    *l = new TLabel(Client);
    (*l)->setFont(small);
    (*l)->setFontColor(clBlack);
    (*l)->setColor(clBtnFace);
    (*l)->setAlignment(TAlignment::taRightJustify);
    (*l)->setCursor(Qt::PointingHandCursor);
  }
  Label8->setGeometry(280, 1, 135, 12);
  Label8->setCaption(QStringLiteral("© 2000 Paxamon-Werkstatt"));
  Label7->setGeometry(280, 12, 135, 11);
  Label7->setCaption(QStringLiteral("Version " PAXAMON_VERSION));

  const QFont registerFont = makeFont("MS Sans Serif", 11);
  GroupBox2 = groupBox(Client, QStringLiteral(" Steuerwerk "), QRect(8, 40, 113, 89));
  Label1 = createLabel(GroupBox2, QStringLiteral("IR"), 12, 26, registerFont, clLime);
  EIR = registerField(GroupBox2, 24, true, Label1, QStringLiteral("Befehlsregister"));
  Label2 = createLabel(GroupBox2, QStringLiteral("PC"), 12, 58, registerFont, clLime);
  EPC = registerField(GroupBox2, 56, true, Label2, QStringLiteral("Schrittzähler"));

  GroupBox3 = groupBox(Client, QStringLiteral(" Rechenwerk "), QRect(8, 264, 113, 89));
  Label3 = createLabel(GroupBox3, QStringLiteral("XR"), 12, 26, registerFont, clLime);
  EXR = registerField(GroupBox3, 24, false, Label3, QStringLiteral("Indexregister"));
  Label4 = createLabel(GroupBox3, QStringLiteral("AK"), 12, 58, registerFont, clLime);
  EAK = registerField(GroupBox3, 56, false, Label4, QStringLiteral("Akkumulator"));

  GroupBox1 = groupBox(Client, QStringLiteral(" Hauptspeicher "), QRect(176, 40, 235, 313));
  const QFont addressFont = makeFont("Courier New", 15);
  for (TLabel** l : {&Label5, &Label6}) {
    *l = new TLabel(GroupBox1);
    (*l)->setFont(addressFont);
    (*l)->setFontColor(clLime);
    (*l)->setTransparent(true);
    (*l)->setWordWrap(true);
  }
  Label5->setGeometry(10, 25, 25, 278);
  Label5->setCaption(QStringLiteral(" 0  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15"));
  Label6->setGeometry(124, 25, 25, 278);
  Label6->setCaption(QStringLiteral("16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31"));
  Mem1 = memoryGrid(GroupBox1, 32, 0);
  Mem2 = memoryGrid(GroupBox1, 144, 16);

  setHelpContext(EIR, hcIR);
  setHelpContext(EPC, hcPC);
  setHelpContext(EXR, hcXR);
  setHelpContext(EAK, hcAK);
  setHelpContext(Mem1, hcMemory);
  setHelpContext(Mem2, hcMemory);

  Bevel1 = topLine(Client, 120, 72, 57);
  Bevel2 = topLine(Client, 120, 96, 57);
  Bevel3 = topLine(Client, 120, 296, 57);
  Bevel4 = topLine(Client, 120, 320, 57);
  Bevel5 = leftLine(Client, 88, 128, 137);
  Bevel6 = leftLine(Client, 112, 128, 145);

  const QFont pathFont = makeFont("MS Sans Serif", 11);
  // The path labels grow to the left: their right edge stays at x = 169.
  LSteuer = createLabel(Client, QString(), 169, 78, pathFont, clYellow);
  LSteuer->setAlignment(TAlignment::taRightJustify);
  LSteuer->setGeometry(169, 78, 0, LSteuer->height());
  LRechen = createLabel(Client, QString(), 169, 302, pathFont, clYellow);
  LRechen->setAlignment(TAlignment::taRightJustify);
  LRechen->setGeometry(169, 302, 0, LRechen->height());
  LAdd = createLabel(Client, QString(), 90, 136, pathFont, clYellow);
  LAdd->setAutoSize(false);
  LAdd->setAlignment(TAlignment::taCenter);
  LAdd->setGeometry(90, 136, 22, 13);
  // Named for assistive technology; what they show is their value.
  LSteuer->setAccessibleName(QStringLiteral("Steuerweg"));
  LRechen->setAccessibleName(QStringLiteral("Datenweg"));
  LAdd->setAccessibleName(QStringLiteral("Rechenzeichen"));

  LMode = new TLabel(Client);
  LMode->setGeometry(16, 366, 177, 19);
  LMode->setFont(makeFont("Arial", 12, {.bold = true}));
  LMode->setFontColor(clAqua);
  LMode->setTransparent(true);
  LMode->setCaption(QStringLiteral(" Modus: Einzelschritte"));

  BI_GradientButton1 = gradientButton(Client, QStringLiteral(" &Ausführen"), 248);
  BI_GradientButton2 = gradientButton(Client, QStringLiteral(" &Beenden"), 330);
  // Tab goes through the grids, then the two buttons.
  setTabOrder(Mem1, Mem2);
  setTabOrder(Mem2, BI_GradientButton1);
  setTabOrder(BI_GradientButton1, BI_GradientButton2);

  const QString programFilter = QStringLiteral("Paxamon Dateien|*.pax|Alle Dateien|*.*");
  FOpen.Title = QStringLiteral("Laden");
  FOpen.Filter = programFilter;
  FOpen.DefaultExt = QStringLiteral("pax");
  FSave.Title = QStringLiteral("Speichern");
  FSave.Filter = programFilter;
  FSave.DefaultExt = QStringLiteral("pax");
}

void TForm1::createMenu() {
  QMenuBar* bar = menuBar();
  auto item = [](QMenu* menu, const QString& caption, int helpContext,
                 const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    setHelpContext(action, helpContext);
    return action;
  };

  N6Datei1 = bar->addMenu(QStringLiteral("&Datei"));
  Neu1 = item(N6Datei1, QStringLiteral("&Neues Programm"), hcNewProgram);
  Programmladen1 =
      item(N6Datei1, QStringLiteral("Programm &laden"), hcLoad, QKeySequence("Ctrl+L"));
  Programmspeichern1 =
      item(N6Datei1, QStringLiteral("Programm &speichern"), hcSave, QKeySequence("Ctrl+S"));
  N6Datei1->addSeparator();
  Beenden1 = item(N6Datei1, QStringLiteral("&Beenden"), hcQuit);

  Ablauf1 = bar->addMenu(QStringLiteral("&Ablauf"));
  ausfhren1 = item(Ablauf1, QStringLiteral("&Ausführen"), hcRun, QKeySequence(Qt::Key_F9));
  Ablauf1->addSeparator();
  MEinzel =
      item(Ablauf1, QStringLiteral("&Einzelschritte"), hcSingleSteps, QKeySequence(Qt::Key_F7));
  MEinzel->setCheckable(true);
  MEinzel->setChecked(true);
  MAlle = item(Ablauf1, QStringLiteral("&Gesamtdurchlauf"), hcFullRun, QKeySequence(Qt::Key_F8));
  MAlle->setCheckable(true);

  Hilfe1 = bar->addMenu(QStringLiteral("&Hilfe"));
  HilfezuPaxamon1 = item(Hilfe1, QStringLiteral("&Hilfe zu Paxamon"), 0);
  Befehlsbersicht1 = item(Hilfe1, QStringLiteral("Be&fehlsübersicht"), hcOverview);
  Hilfe1->addSeparator();
  ber1 = item(Hilfe1, QStringLiteral("Ü&ber..."), 0);
}

}  // namespace paxamon
