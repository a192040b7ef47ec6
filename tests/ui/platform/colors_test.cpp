#include "ui/platform/colors.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

namespace paxamon {
namespace {

TEST(Colors, ResolvesPlainAndSystemColorsAndBuildsThePalette) {
  EXPECT_EQ(toQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(toQColor(13172735), QColor(255, 255, 200));  // 0xC8FFFF from a window description
  EXPECT_EQ(toQColor(clBtnFace), QColor(212, 208, 200));
  EXPECT_EQ(toQColor(clSystemColor + 200), QColor(0, 0, 0));  // outside the table
  EXPECT_EQ(colorToRGB(clHighlight), rgbColor(10, 36, 106));
  EXPECT_EQ(fromQColor(QColor(1, 2, 3)), 0x030201u);

  // Resolved when used: a changed entry shows at once.
  const QRgb old = systemColor(15);
  setSystemColor(15, qRgb(1, 2, 3));
  EXPECT_EQ(toQColor(clBtnFace), QColor(1, 2, 3));
  setSystemColor(15, old);

  const QPalette palette = systemPalette();
  EXPECT_EQ(palette.color(QPalette::Button), QColor(212, 208, 200));
  EXPECT_EQ(palette.color(QPalette::Highlight), QColor(10, 36, 106));
  EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::Text), QColor(128, 128, 128));
  applySystemPalette();
  EXPECT_EQ(QGuiApplication::palette().color(QPalette::ToolTipBase), QColor(255, 255, 225));
}

}  // namespace
}  // namespace paxamon
