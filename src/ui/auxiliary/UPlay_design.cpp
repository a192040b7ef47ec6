// The credits roll as designed: the strip with its 43 caption lines, the
// bottom bar with the leave button, and the timer. Behaviour lives in
// UPlay.cpp.
#include "ui/auxiliary/UPlay.h"
#include "ui/auxiliary/author.h"
#include "ui/components/bi_btns.h"
#include "ui/platform/colors.h"
#include "ui/platform/controls.h"
#include "ui/platform/fonts.h"
#include "ui/platform/panel.h"
#include "ui/platform/windowtimer.h"

namespace paxamon {

namespace {

// A caption line of the strip: centred, white, transparent, "Arial".
TLabel* line(QWidget* strip, int left, int top, int width, int height, int fontHeight, bool bold,
             const QString& text) {
  auto* l = new TLabel(strip);
  l->setGeometry(left, top, width, height);
  l->setFont(makeFont(QStringLiteral("Arial"), fontHeight, {.bold = bold}));
  l->setFontColor(clWhite);
  l->setTransparent(true);
  l->setAlignment(TAlignment::taCenter);
  l->setCaption(text);
  return l;
}

// The usual line: x = 8, 489 x 23, 13 pixels.
TLabel* line(QWidget* strip, int top, const QString& text) {
  return line(strip, 8, top, 489, 23, 13, false, text);
}

// A large line: 488 x 35, 15 pixels.
TLabel* largeLine(QWidget* strip, int top, const QString& text) {
  return line(strip, 8, top, 488, 35, 15, false, text);
}

const QString kRule = QString(32, QLatin1Char('_'));

}  // namespace

void TForm4::createControls() {
  setWindowTitle(QStringLiteral("Paxamon - Credits"));
  resize(760, 464);
  setWindowState(Qt::WindowMaximized);

  Client = new QWidget(this);
  Client->setGeometry(0, 0, 760, 464);

  HG = new TPanel(Client);
  HG->setGeometry(124, kStartTop, 511, 1550);
  HG->setColor(clBlack);
  HG->setBevelOuter(TPanelBevel::bvNone);
  HG->setBevelInner(TPanelBevel::bvNone);
  HG->setBorderWidth(1);

  // In the order of their place on the strip. Leading blanks put a role
  // left of the middle and its name right of it once the line is centred.
  Label1 = line(HG, 8, 8, 488, 15, 15, true, QStringLiteral("Paxamon"));
  Label2 = line(HG, 8, 10, 488, 35, 15, false, kRule);
  Label3 = line(HG, 8, 28, 488, 23, 13, false, QStringLiteral("Copyright © 2000 ") + kAuthor);
  Label4 = line(HG, 154, QStringLiteral("CREDITS"));
  Label8 = line(HG, 8, 154, 488, 35, 15, false, QString(8, QLatin1Char('_')));
  Label5 = line(HG, 186, QStringLiteral("                       IDEA      Hanna Halbaddierer"));
  Label6 = line(HG, 202, QStringLiteral("                            Otto Overflow"));
  Label7 = line(HG, 218, QStringLiteral("                           Till Taktgeber"));
  Label9 = line(
      HG, 240,
      QStringLiteral("                       PROGRAMMING      Till Taktgeber und sein Compiler"));
  Label10 = line(HG, 266, QStringLiteral("       DESIGN      Till Taktgeber"));
  Label11 =
      line(HG, 292, QStringLiteral("                            HELP      Erika Einerkomplement"));
  Label12 =
      line(HG, 316, QStringLiteral("           SPECIAL EFFECTS      Pixelschmiede Flackerbach"));
  Label15 = line(HG, 0, 332, 513, 23, 13, false,
                 QStringLiteral("                                       Nullzeiger Filmstudios"));
  Label13 = line(HG, 356,
                 QStringLiteral("        UNDER WATER SCENES      Nils Pferd vom Tauchclub Blubb"));
  Label14 = line(HG, 382, QStringLiteral("CAMERA      Phil Mriss"));
  Label16 = line(HG, 406, QStringLiteral("                  CUT      Kurt Z. Fassung"));
  Label17 = line(HG, 430,
                 QStringLiteral("                   SOUNDTRACK      Piet Ton und die Lüfterband"));
  Label31 = line(HG, 455, QStringLiteral("      SCRIPT      Manu Skript"));
  Label18 = line(
      HG, 482, QStringLiteral("  SPECIAL DINOSAUR EFFECTS      Prof. Dr. Rex von Rechenschieber"));
  Label34 = line(
      HG, 508, QStringLiteral("                             FAULTS      Someone else, but NOT me"));
  Label32 = line(
      HG, 532,
      QStringLiteral("           DISTURBING PHONE CALLS      Too many people to mention them all"));
  Label19 = line(HG, 560, QStringLiteral("         GUEST STARS      Gundula Gleitkomma"));
  Label20 = line(HG, 578, QStringLiteral("                    Mo Dem"));
  Label21 =
      line(HG, 596,
           QStringLiteral(
               "                                                 Allgemeine Schutzverletzung"));
  Label22 = line(HG, 614,
                 QStringLiteral("                                                           Die "
                                "Maus, die nicht klicken wollte"));
  Label23 = line(
      HG, 632, QStringLiteral("                                            Kommissar Kurzschluss"));
  Label28 =
      line(HG, 650,
           QStringLiteral("                                             Schwerer Ausnahmefehler"));
  Label24 = line(HG, 668, QStringLiteral("                          Die Sanduhr"));
  Label43 = line(HG, 8, 671, 489, 23, 9, false,
                 QString(154, QLatin1Char(' ')) + QStringLiteral("(in ihrer längsten Rolle)"));
  Label25 = line(HG, 700, QStringLiteral("     STUNTS      Karl Absturz"));
  Label26 = line(HG, 718, QStringLiteral("                        Rudi Reset"));
  Label35 =
      line(HG, 744,
           QStringLiteral(
               "                         PYROTECHNICS      Fritz Netzteil und die Rauchwolke"));
  Label27 = line(HG, 770, QStringLiteral("PRODUCER      Paula Platine"));
  Label30 = line(HG, 796, QStringLiteral("BAD HUMOR      Till Taktgeber"));
  Label39 = line(HG, 812, QStringLiteral("                            Willi Witzbold"));
  Label29 = line(HG, 828, QStringLiteral("                  Ulla Ulk"));
  Label33 = line(HG, 844, QStringLiteral("                                  Der Druckerteufel"));
  Label36 = largeLine(HG, 970, kRule);
  Label37 = line(HG, 996, QStringLiteral("Millions of bits and bytes were harmed"));
  Label38 = line(HG, 1012, QStringLiteral("or died by the producion of this program."));
  Label40 = largeLine(HG, 1023, kRule);
  Label41 = largeLine(HG, 1202, QStringLiteral("Filmed in PAXASCOPE  -  Colour by 4-Bit-Vision"));
  Label42 = largeLine(HG, 1488, QStringLiteral("© MM ") + kAuthor);

  Panel1 = new TPanel(Client);
  Panel1->setGeometry(0, 440, 760, 24);
  Panel1->setColor(clSilver);
  Panel1->setBevelOuter(TPanelBevel::bvNone);
  Panel1->setBevelInner(TPanelBevel::bvNone);

  Bevel1 = new TBevel(TBevelShape::bsTopLine, TBevelStyle::bsLowered, Panel1);
  Bevel1->setGeometry(0, 0, 761, 2);

  BI_GradientButton2 = new TBI_GradientButton(Panel1);
  BI_GradientButton2->setGeometry(647, 3, 110, 20);
  BI_GradientButton2->setCaption(QStringLiteral(" Das Kino &verlassen"));
  BI_GradientButton2->setLightColor(clSilver);
  BI_GradientButton2->setShadowColor(clGray);
  BI_GradientButton2->setGrayedInactive(true);
  BI_GradientButton2->setLayout(blGlyphLeft);
  BI_GradientButton2->setFont(makeFont(QStringLiteral("MS Sans Serif"), 11));
  BI_GradientButton2->setFontColor(clBlack);
  BI_GradientButton2->setGroupIndex(0);
  BI_GradientButton2->setPaint256(true);
  BI_GradientButton2->setVertical(true);

  Timer1 = new TTimer(this);
  Timer1->setEnabled(false);
  Timer1->setInterval(kRollInterval);
}

}  // namespace paxamon
