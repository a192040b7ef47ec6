#include "ui/platform/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

#include "ui/platform/colors.h"
#include "ui/platform/messagebox.h"

namespace paxamon {

void initApplication() {
  QApplication::setApplicationName(kApplicationTitle);
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
