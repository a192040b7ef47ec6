#include "ui/platform/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QStyleFactory>
#include <QTranslator>

#include "ui/platform/colors.h"
#include "ui/platform/messagebox.h"

#include "ui/platform/paxamon.xpm"

namespace paxamon {

QImage programIcon() {
  return QImage(paxamon_xpm);
}

void initApplication() {
  QApplication::setApplicationName(kApplicationTitle);
  // Every window of the program carries the chip.
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(programIcon())));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  applySystemPalette();
  // The interface is German whatever the desktop's language.
  auto* translator = new QTranslator(qApp);
  if (translator->load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

}  // namespace paxamon
