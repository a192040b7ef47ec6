// Program start: the application, its windows in their order, the loop.
#include <QApplication>

#include "ui/auxiliary/UAbout.h"
#include "ui/auxiliary/UPlay.h"
#include "ui/auxiliary/Uhelp.h"
#include "ui/auxiliary/Uhg.h"
#include "ui/help/contexthelp.h"
#include "ui/help/helpviewer.h"
#include "ui/main/TForm1.h"
#include "ui/main/Uwait.h"
#include "ui/platform/application.h"

int main(int argc, char** argv) {
  paxamon::prepareApplication();
  QApplication app(argc, argv);
  paxamon::initApplication();
  paxamon::HelpViewer::instance().setHelpFile(QStringLiteral(".\\Paxamon.hlp"));
  paxamon::installContextHelp();

  // The windows in their order; all but the main window start hidden.
  paxamon::TForm1 form1;
  paxamon::TForm2 form2(&form1);
  form1.setStepDialog(&form2);
  paxamon::TAbout about(&form1);
  form1.setAboutBox(&about);
  paxamon::TForm3 form3(&form1);
  form1.setOverview(&form3);
  paxamon::TForm4 form4(&form1);
  paxamon::TForm5 form5(&form1);
  form4.setBackground(&form5);
  about.setCreditsWindow(&form4);
  form1.setCreditsWindow(&form4);

  form1.show();
  return app.exec();
}
