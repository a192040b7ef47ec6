#include "ui/platform/application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QLocale>

namespace paxamon {
namespace {

// The set-up changes the whole test process (style, locale, translations);
// ctest runs every test in a process of its own.
TEST(Application, GermanTextsAndFormatsTheUsersLocaleKeptAndTheIcon) {
  const bool hadLocale = qEnvironmentVariableIsSet("LC_ALL");
  const QByteArray before = qgetenv("LC_ALL");
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");  // the tests' own choice
  prepareApplication();
  EXPECT_EQ(qgetenv("LC_ALL"), "de_DE.UTF-8");
  EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), platform);  // the user's setting wins
  initApplication();
  EXPECT_EQ(qEnvironmentVariableIsSet("LC_ALL"), hadLocale);
  EXPECT_EQ(qgetenv("LC_ALL"), before);

  EXPECT_EQ(QLocale().language(), QLocale::German);
  EXPECT_EQ(QLocale().toString(1234.5, 'f', 1), "1.234,5");
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Suchen in:");
  EXPECT_EQ(QApplication::applicationName(), kApplicationTitle);
  EXPECT_TRUE(QApplication::windowIcon().availableSizes().contains(QSize(32, 32)));
  EXPECT_EQ(programIcon().size(), QSize(32, 32));
}

TEST(Application, RunsOnX11UnlessTheUserChoseAPlatform) {
  EXPECT_EQ(platformForStart(false, true), QByteArrayLiteral("xcb"));
  EXPECT_EQ(platformForStart(true, true), std::nullopt);
  EXPECT_EQ(platformForStart(false, false), std::nullopt);  // no X display: Qt's own choice
}

}  // namespace
}  // namespace paxamon
