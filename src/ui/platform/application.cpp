#include "ui/platform/application.h"

#include <langinfo.h>
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTranslator>
#include <clocale>
#include <optional>
#include <utility>
#include <vector>

#include "ui/platform/activation.h"
#include "ui/platform/bitmaps.h"
#include "ui/platform/colors.h"
#include "ui/platform/dialogkeys.h"

namespace paxamon {

namespace {

// Fusion, drawn as the classic platform drew menus: a checkable item shows
// its check mark when checked and nothing when not, no empty box.
class ClassicStyle : public QProxyStyle {
 public:
  ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_IndicatorCheckBox && qobject_cast<const QMenu*>(widget)) {
      if (option->state & State_On) drawCheckMark(option, painter);
      return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

 private:
  // The classic 7 x 7 check mark, centred, in the item's text colour.
  static void drawCheckMark(const QStyleOption* option, QPainter* painter) {
    static constexpr const char* kMark[] = {"......#", ".....##", "#...###", "##.###.",
                                            "#####..", ".###...", "..#...."};
    const QPalette::ColorGroup group =
        option->state & State_Enabled ? QPalette::Normal : QPalette::Disabled;
    const QColor colour = option->palette.color(
        group, option->state & State_Selected ? QPalette::HighlightedText : QPalette::Text);
    const QPoint origin = option->rect.center() - QPoint(3, 3);
    for (int y = 0; y < 7; ++y) {
      for (int x = 0; x < 7; ++x) {
        if (kMark[y][x] == '#') painter->fillRect(origin.x() + x, origin.y() + y, 1, 1, colour);
      }
    }
  }
};

// Environment variables Qt reads while the application starts, set for that
// moment and then put back as the user had them (unset: a null value).
std::vector<std::pair<const char*, QByteArray>>& savedVariables() {
  static std::vector<std::pair<const char*, QByteArray>> saved;
  return saved;
}

void setForStart(const char* name, const QByteArray& value) {
  savedVariables().emplace_back(name,
                                qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
  qputenv(name, value);
}

void restoreVariables() {
  for (const auto& [name, value] : savedVariables()) {
    if (value.isNull()) {
      qunsetenv(name);
    } else {
      qputenv(name, value);
    }
  }
  savedVariables().clear();
  // The C library follows the user's locale again (a German one may not
  // even be installed); character handling stays UTF-8, as Qt keeps it.
  std::setlocale(LC_ALL, "");
  const QByteArray codeset = nl_langinfo(CODESET);
  if (codeset.compare("UTF-8", Qt::CaseInsensitive) != 0 &&
      codeset.compare("utf8", Qt::CaseInsensitive) != 0) {
    std::setlocale(LC_CTYPE, "C.UTF-8");
  }
}

}  // namespace

std::optional<QByteArray> platformForStart(bool userChose, bool x11Display) {
  if (userChose || !x11Display) return std::nullopt;
  return QByteArrayLiteral("xcb");
}

void prepareApplication() {
  setForStart("LC_ALL", "de_DE.UTF-8");
  if (const std::optional<QByteArray> platform = platformForStart(
          qEnvironmentVariableIsSet("QT_QPA_PLATFORM"), qEnvironmentVariableIsSet("DISPLAY"))) {
    setForStart("QT_QPA_PLATFORM", *platform);
  }
}

QImage programIcon() {
  return loadPictureResource(QStringLiteral("PAXAMON"));
}

void initApplication() {
  restoreVariables();
  QApplication::setApplicationName(kApplicationTitle);
  QGuiApplication::setDesktopFileName(QStringLiteral("paxamon"));  // its menu entry and icon
  // Every window of the program carries the chip.
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(programIcon())));
  QApplication::setStyle(new ClassicStyle);
  applySystemPalette();
  installAccessKeys();
  installOwnerActivation();
  // The interface is German whatever the desktop's language: Qt's texts,
  // and everything Qt formats.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  auto* translator = new QTranslator(qApp);
  if (translator->load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

}  // namespace paxamon
