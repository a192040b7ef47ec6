// The gallery: pictures of the windows and custom-drawn controls, drawn
// offscreen into a folder to be looked at when their look changes. A
// development tool, not a test; built with -DPAXAMON_GALLERY=ON.
//
//   build/tools/gallery/paxamon-gallery /tmp/gallery
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "ui/auxiliary/UAbout.h"
#include "ui/auxiliary/UPlay.h"
#include "ui/auxiliary/Uhelp.h"
#include "ui/auxiliary/Uhg.h"
#include "ui/components/ArtLabel.h"
#include "ui/components/Gradient.h"
#include "ui/components/OButton.h"
#include "ui/components/bi_btns.h"
#include "ui/main/TForm1.h"
#include "ui/main/Uwait.h"
#include "ui/platform/colors.h"
#include "ui/platform/fonts.h"
#include "ui/platform/panel.h"
#include "ui/platform/stringgrid.h"
#include "ui/platform/windowtimer.h"

namespace paxamon {
namespace {

QDir folder;

// Saves a picture of widget, enlarged by scale so single pixels show.
void save(QWidget& widget, const QString& name, int scale = 1) {
  const QImage image = widget.grab().toImage();
  image.scaled(image.size() * scale).save(folder.filePath(name + ".png"));
  std::printf("%s\n", qPrintable(folder.filePath(name + ".png")));
}

void buttons() {
  QWidget parent;
  parent.resize(90, 35);
  TBI_GradientButton button(&parent);
  button.setGeometry(8, 5, 73, 25);
  button.setCaption(QStringLiteral(" &Ausführen"));
  button.setFont(makeFont(QStringLiteral("MS Sans Serif"), 11));
  button.setFontColor(clBlack);
  button.setPaint256(true);
  button.setVertical(true);
  save(parent, QStringLiteral("button"), 4);
  button.setButtonEnabled(false);
  save(parent, QStringLiteral("button-disabled"), 4);
}

void gradients() {
  const char* names[] = {"line", "ellipse", "rect", "customrect"};
  for (int style = 0; style < 4; ++style) {
    TDfGradient area;
    area.resize(120, 80);
    area.gradient()->setGradientStyle(static_cast<TGradientStyle>(style));
    save(area, QStringLiteral("gradient-") + names[style], 2);
  }
}

void artLabels() {
  const std::pair<const char*, TArtStyle> styles[] = {
      {"shadow", {asShadow}},     {"outlined", {asOutlined}},
      {"raised", {as3DRaise}},    {"sunk", {as3DSunk}},
      {"gradient", {asGradient}}, {"shadow-gradient", {asShadow, asGradient}}};
  for (const auto& [name, style] : styles) {
    QWidget parent;
    parent.resize(220, 60);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, toQColor(clSilver));
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    TArtLabel label(&parent);
    label.setGeometry(5, 5, 210, 50);
    label.setCaption(QStringLiteral("Paxamon"));
    label.setArtStyle(style);
    save(parent, QStringLiteral("artlabel-") + name, 2);
  }
}

void officeButton() {
  QWidget parent;
  parent.resize(100, 32);
  TOfficeButton button(&parent);
  button.setGeometry(9, 5, 82, 22);
  button.setCaption(QStringLiteral("Schließen"));
  save(parent, QStringLiteral("officebutton"), 4);
}

void windows() {
  TForm1 form1;
  TForm2 form2(&form1);
  form1.setStepDialog(&form2);
  const char* program[] = {"LDA05", "ADD06", "STA07", "END", "", "3", "4"};
  for (int i = 0; i < 7; ++i)
    form1.Mem1->setCells(0, i, QString::fromLatin1(program[i]));
  form1.show();
  save(form1, QStringLiteral("main-idle"));
  // In the middle of a run in single steps: after the second step.
  int shown = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (!form2.isVisible()) return;
    if (++shown == 2) save(form1, QStringLiteral("main-step"));
    form2.Button1->click();
  });
  timer.start(1);
  form1.BRunClick();

  TForm3 overview(&form1);
  overview.show();
  save(overview, QStringLiteral("overview"), 2);

  TAbout about(&form1);
  about.show();
  save(about, QStringLiteral("about"), 2);

  TForm4 roll(&form1);
  roll.BusyWaitRounds = 0;
  roll.resize(760, 464);
  roll.show();
  roll.Timer1->setEnabled(false);
  for (int ticks : {0, 250, 850}) {
    roll.HG->move(roll.HG->x(), TForm4::kStartTop);
    for (int i = 0; i < ticks; ++i)
      roll.Timer1Timer();
    save(roll, QStringLiteral("credits-%1").arg(ticks));
  }
}

}  // namespace
}  // namespace paxamon

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: paxamon-gallery FOLDER\n");
    return 2;
  }
  paxamon::folder = QDir(QString::fromLocal8Bit(argv[1]));
  if (!paxamon::folder.mkpath(QStringLiteral("."))) return 1;
  paxamon::buttons();
  paxamon::gradients();
  paxamon::artLabels();
  paxamon::officeButton();
  paxamon::windows();
  return 0;
}
