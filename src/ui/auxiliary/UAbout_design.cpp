// The about box as designed: the card with its picture, icon, title,
// version and copyright line. Behaviour lives in UAbout.cpp.
#include <QColor>
#include <QImage>
#include <cmath>

#include "ui/auxiliary/UAbout.h"
#include "ui/auxiliary/author.h"
#include "ui/components/ArtLabel.h"
#include "ui/platform/application.h"
#include "ui/platform/colors.h"
#include "ui/platform/controls.h"
#include "ui/platform/fonts.h"
#include "ui/platform/image.h"
#include "ui/platform/panel.h"

namespace paxamon {

namespace {

// The card's background: 244 x 115 pixels in 256 shades from black through
// blue to a bright, light blue, laid out as crossing waves.
QImage aboutPicture() {
  QImage picture(244, 115, QImage::Format_Indexed8);
  QList<QRgb> shades;
  for (int i = 0; i < 256; ++i) {
    const int blue = std::min(255, i * 2);
    const int light = std::max(0, i - 160);
    shades << qRgb(light, light * 3 / 2, blue);
  }
  picture.setColorTable(shades);
  for (int y = 0; y < picture.height(); ++y) {
    uchar* row = picture.scanLine(y);
    for (int x = 0; x < picture.width(); ++x) {
      const double wave = std::sin(x * 0.060 + 2.2 * std::sin(y * 0.050)) +
                          0.7 * std::sin(y * 0.120 - 1.6 * std::sin(x * 0.025)) +
                          0.4 * std::sin((x + y) * 0.035);
      const double level = (wave + 2.1) / 4.2;  // about 0 to 1
      row[x] = uchar(std::clamp(int(level * 255.0 + 0.5), 0, 255));
    }
  }
  return picture;
}

}  // namespace

void TAbout::createControls() {
  setWindowTitle(QStringLiteral("About"));
  setFixedSize(249, 113);

  Panel1 = new TPanel(this);
  Panel1->setGeometry(0, 0, 249, 113);
  Panel1->setBevelOuter(TPanelBevel::bvRaised);
  Panel1->setBevelInner(TPanelBevel::bvRaised);
  Panel1->setColor(clBtnFace);

  Image1 = new TImage(Panel1);
  Image1->setGeometry(2, 2, 244, 108);
  Image1->setPicture(aboutPicture());  // the lowest 7 rows lie outside

  ProgramIcon = new TImage(Panel1);
  ProgramIcon->setGeometry(8, 16, 49, 49);
  ProgramIcon->setCenter(true);
  ProgramIcon->setPicture(programIcon());

  Copyright = new TLabel(Panel1);
  Copyright->setGeometry(0, 88, 249, 25);
  Copyright->setAutoSize(false);
  Copyright->setAlignment(TAlignment::taCenter);
  Copyright->setFont(makeFont(QStringLiteral("Arial"), 15, {.bold = true}));
  Copyright->setFontColor(clWhite);
  Copyright->setTransparent(true);
  Copyright->setCaption(QStringLiteral("© 2000 ") + kAuthor);

  Titel = new TArtLabel(Panel1);
  Titel->setGeometry(46, 0, 179, 57);
  Titel->setCaption(QStringLiteral("Paxamon"));
  Titel->setArtStyle({asShadow, asGradient});
  QFont titleFont = makeFont(QStringLiteral("Comic Sans MS"), 48, {.bold = true});
  // The face standing in for Comic Sans MS runs wider; narrowed a little,
  // the title fits the card as designed instead of losing its last letter.
  titleFont.setStretch(93);
  Titel->setFont(titleFont);
  Titel->setFontColor(clBlack);
  Titel->setTransparent(true);
  Titel->setColor(clBtnFace);
  Titel->setShadowColor(clBlack);
  Titel->setOutlineColor(clBlack);
  Titel->setAutoSize(false);
  Titel->setShadowLength(2);
  Titel->setTextAlign(TAlignment::taLeftJustify);
  TGradient* g = Titel->gradient();
  g->setGradientStyle(gsLine);
  g->setLineSize(1);
  g->setColor1(16777162);
  g->setColor2(clWhite);
  g->setColor3(16777162);
  g->setColor4(clBlue);
  g->setColor5(15466496);
  g->setColorCount(3);
  g->setLineDirection(diHorizonal);

  ArtLabel1 = new TArtLabel(Panel1);
  ArtLabel1->setGeometry(70, 56, 148, 27);
  ArtLabel1->setCaption(QStringLiteral("Version " PAXAMON_VERSION));
  ArtLabel1->setArtStyle({asShadow, asGradient});
  ArtLabel1->setFont(makeFont(QStringLiteral("Courier New"), 20, {.bold = true, .italic = true}));
  ArtLabel1->setFontColor(clBlack);
  ArtLabel1->setTransparent(true);
  ArtLabel1->setColor(clBtnFace);
  ArtLabel1->setShadowColor(4013373);
  ArtLabel1->setOutlineColor(clBlack);
  ArtLabel1->setAutoSize(true);
  ArtLabel1->setShadowLength(1);
  ArtLabel1->setTextAlign(TAlignment::taLeftJustify);
  g = ArtLabel1->gradient();
  g->setGradientStyle(gsLine);
  g->setLineSize(1);
  g->setColor1(clYellow);
  g->setColor2(8454143);
  g->setColor3(11075583);
  g->setColor4(8454143);
  g->setColor5(clYellow);
  g->setColorCount(4);
  g->setLineDirection(diHorizonal);
}

}  // namespace paxamon
