// Program start: the command line, the application, its windows in their
// order, the loop.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "ui/auxiliary/UAbout.h"
#include "ui/auxiliary/UPlay.h"
#include "ui/auxiliary/Uhelp.h"
#include "ui/auxiliary/Uhg.h"
#include "ui/help/contexthelp.h"
#include "ui/help/helpviewer.h"
#include "ui/main/TForm1.h"
#include "ui/main/Uwait.h"
#include "ui/main/commandline.h"
#include "ui/platform/application.h"

int main(int argc, char** argv) {
  const paxamon::CommandLine command = paxamon::parseCommandLine(argc, argv);
  switch (command.action) {
    case paxamon::CommandLine::Action::Help:
      std::fputs(paxamon::kUsage, stdout);
      return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
    case paxamon::CommandLine::Action::Version:
      std::fputs(paxamon::kVersionLine, stdout);
      return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
    case paxamon::CommandLine::Action::UsageError:
      std::fprintf(stderr, "paxamon: %s\n%s", command.error.c_str(), paxamon::kUsageHint);
      return 2;
    case paxamon::CommandLine::Action::Start:
      break;
  }

  paxamon::prepareApplication();
  // The command line is the program's own: Qt sees none of it.
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
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
  // A file named on the command line is loaded once the window shows, so
  // that a box about it stands over the window.
  if (!command.file.empty()) {
    const QString file = QFile::decodeName(QByteArray::fromStdString(command.file));
    QTimer::singleShot(0, &form1, [&form1, file] { form1.OpenProgram(file); });
  }
  return app.exec();
}
