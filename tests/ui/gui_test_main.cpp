// GoogleTest main for tests of widgets: they need a QApplication, with the
// application-wide access keys the program installs at start.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/platform/dialogkeys.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  paxamon::installAccessKeys();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
