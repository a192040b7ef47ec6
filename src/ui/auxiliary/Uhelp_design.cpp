// The instruction overview as designed: every control's position, size,
// font, colour and caption. Behaviour lives in Uhelp.cpp.
#include "ui/auxiliary/Uhelp.h"
#include "ui/components/OButton.h"
#include "ui/platform/bitmaps.h"
#include "ui/platform/colors.h"
#include "ui/platform/controls.h"
#include "ui/platform/fonts.h"
#include "ui/platform/panel.h"
#include "ui/platform/windowtimer.h"

namespace paxamon {

namespace {

TBevel* bevel(QWidget* parent, TBevelShape shape, TBevelStyle style, QRect geometry) {
  auto* b = new TBevel(shape, style, parent);
  b->setGeometry(geometry);
  return b;
}

struct Row {
  int top;
  const char* instruction;
  const char* meaning;
};

// The instructions as they are typed into a cell ("xx" for the address),
// with their meaning.
constexpr std::array<Row, 16> kRows = {{
    {28, "LDAxx", "AK := xx"},
    {48, "STAxx", "xx := AK"},
    {68, "ADDxx", "AK := AK + xx"},
    {88, "SUBxx", "AK := AK - xx"},
    {108, "MULxx", "AK := AK * xx"},
    {128, "DIVxx", "AK := AK / xx"},
    {148, "MODxx", "AK := AK mod xx"},
    {168, "JMPxx", "goto xx"},
    {188, "JANxx", "if AK < 0 then goto xx"},
    {208, "JAZxx", "if AK = 0 then goto xx"},
    {228, "JXPxx", "if XR > 0 then {goto xx; dec(XR)}"},
    {262, "NUL", "AK := 0"},
    {282, "INC", "inc(AK)"},
    {302, "LDX", "AK := XR"},
    {322, "STX", "XR := AK"},
    {342, "END", "Ende des Programmes"},
}};

constexpr std::size_t kJmpRow = 7, kJxpRow = 10;

}  // namespace

void TForm3::createControls() {
  // A tool window: a small caption bar with only the close box, fixed size.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(QString::fromUtf8("Befehlsübersicht"));
  setFixedSize(183, 388);
  setFont(makeFont("MS Sans Serif", 11));

  Bevel1 = bevel(this, TBevelShape::bsBox, TBevelStyle::bsRaised, {1, 1, 184, 24});

  Panel1 = new TPanel(this);
  Panel1->setGeometry(0, 0, 183, 25);
  Panel1->setColor(clAqua);
  Panel1->setBevelOuter(TPanelBevel::bvRaised);
  Panel1->setBorderWidth(2);
  const QFont header = makeFont("Arial", 16, {.bold = true});
  Label1 = createLabel(Panel1, "Befehl", 10, 4, header, clBlue);
  Label2 = createLabel(Panel1, "Funktion", 72, 4, header, clBlue);
  Bevel3 = bevel(Panel1, TBevelShape::bsLeftLine, TBevelStyle::bsLowered, {64, 1, 2, 23});

  Bevel2 = bevel(this, TBevelShape::bsLeftLine, TBevelStyle::bsLowered, {64, 12, 2, 349});
  Bevel4 = bevel(this, TBevelShape::bsTopLine, TBevelStyle::bsLowered, {8, 360, 169, 2});

  const QFont instruction = makeFont("Arial", 12, {.bold = true});
  const QFont meaning = makeFont("Arial", 11);
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    const Row& row = kRows[i];
    Instructions[i] = createLabel(this, row.instruction, 16, row.top, instruction, clBlack);
    // A screen reader reads a row's meaning with its instruction.
    Instructions[i]->setAccessibleDescription(QString::fromUtf8(row.meaning));
    const int left = i == 0 ? 72 : i == kJmpRow ? 70 : 71;
    const int top = i == 0 ? 30 : row.top;
    Meanings[i] = createLabel(this, row.meaning, left, top, meaning, clBlack);
  }
  // The JXP meaning keeps its size: one line, cut at the window's edge.
  Meanings[kJxpRow]->setAutoSize(false);
  Meanings[kJxpRow]->setGeometry(71, kRows[kJxpRow].top, 114, 31);

  OfficeButton1 = new TOfficeButton(this);
  OfficeButton1->setGeometry(90, 364, 82, 22);
  OfficeButton1->setCaption(QString::fromUtf8("Schließen"));
  OfficeButton1->setButtonFont(makeFont("Arial", 11));
  OfficeButton1->setFontColor(clWindowText);
  OfficeButton1->setRoundSize(20);
  OfficeButton1->setColor(0xC8FFFF);
  OfficeButton1->setDownGlyph(loadBitmapResource(QStringLiteral("CLOSE_DOWN")));
  OfficeButton1->setOffGlyph(loadBitmapResource(QStringLiteral("CLOSE_OFF")));
  OfficeButton1->setOnGlyph(loadBitmapResource(QStringLiteral("CLOSE_ON")));

  Timer1 = new TTimer(this);
  Timer1->setInterval(10);
}

}  // namespace paxamon
