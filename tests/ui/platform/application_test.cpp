// The application's look: German texts and formats, colours and fonts.
#include "ui/platform/application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLocale>

#include "ui/platform/colors.h"
#include "ui/platform/fonts.h"

namespace paxamon {
namespace {

// The set-up changes the whole test process (style, locale, translations);
// ctest runs every test in a process of its own.
TEST(Application, GermanTextsAndFormatsWhileTheUsersLocaleIsKept) {
  const bool hadLocale = qEnvironmentVariableIsSet("LC_ALL");
  const QByteArray before = qgetenv("LC_ALL");
  prepareApplication();
  EXPECT_EQ(qgetenv("LC_ALL"), "de_DE.UTF-8");  // while Qt starts
  initApplication();
  EXPECT_EQ(qEnvironmentVariableIsSet("LC_ALL"), hadLocale);  // then the user's again
  EXPECT_EQ(qgetenv("LC_ALL"), before);
  EXPECT_EQ(QLocale().toString(1234.5, 'f', 1), "1.234,5");
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Suchen in:");
}

TEST(Colors, PlainColorsAreBlueGreenRedAndSystemColorsResolveWhenUsed) {
  EXPECT_EQ(toQColor(13172735), QColor(255, 255, 200));  // $C8FFFF from a window description
  EXPECT_EQ(fromQColor(QColor(1, 2, 3)), 0x030201u);
  EXPECT_EQ(toQColor(clSystemColor + 200), QColor(0, 0, 0));  // outside the table
  const QRgb old = systemColor(15);
  setSystemColor(15, qRgb(1, 2, 3));
  EXPECT_EQ(toQColor(clBtnFace), QColor(1, 2, 3));
  setSystemColor(15, old);
  EXPECT_EQ(systemPalette().color(QPalette::Disabled, QPalette::Text), QColor(128, 128, 128));
}

TEST(Application, RunsOnX11UnlessTheUserChoseAPlatform) {
  EXPECT_EQ(platformForStart(false, true), QByteArrayLiteral("xcb"));
  EXPECT_EQ(platformForStart(true, true), std::nullopt);
  EXPECT_EQ(platformForStart(false, false), std::nullopt);  // no X display: Qt's own choice
}

TEST(Fonts, DesignFacesResolveToInstalledOnes) {
  EXPECT_EQ(substituteFace("arial"), "Liberation Sans");
  EXPECT_EQ(substituteFace("Liberation Serif"), "Liberation Serif");
  for (const char* face : {"MS Sans Serif", "Arial", "Courier", "Courier New", "Comic Sans MS"}) {
    const QFont font = makeFont(face, 13, {.bold = true});
    EXPECT_EQ(QFontInfo(font).family(), substituteFace(face)) << face;  // installed
    EXPECT_TRUE(font.pixelSize() == 13 && font.bold()) << face;
  }
}

}  // namespace
}  // namespace paxamon
