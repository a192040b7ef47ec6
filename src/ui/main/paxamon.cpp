// Program start: the application, its windows in their order, the loop.
#include <QApplication>

#include "ui/auxiliary/Uhelp.h"
#include "ui/main/TForm1.h"
#include "ui/main/Uwait.h"
#include "ui/platform/application.h"
#include "ui/platform/contexthelp.h"
#include "ui/platform/helpviewer.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  paxamon::initApplication();
  paxamon::HelpViewer::instance().setHelpFile(QStringLiteral(".\\Paxamon.hlp"));
  paxamon::installContextHelp();

  // The windows in their order; all but the main window start hidden.
  paxamon::TForm1 form1;
  paxamon::TForm2 form2(&form1);
  form1.setStepDialog(&form2);
  paxamon::TForm3 form3(&form1);
  form1.setOverview(&form3);

  form1.show();
  return app.exec();
}
