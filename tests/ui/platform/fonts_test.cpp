#include "ui/platform/fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>

namespace paxamon {
namespace {

TEST(Fonts, FacesResolveToInstalledOnes) {
  EXPECT_EQ(substituteFace("arial"), "Liberation Sans");
  EXPECT_EQ(substituteFace("Courier"), "Liberation Mono");
  EXPECT_EQ(substituteFace("Liberation Serif"), "Liberation Serif");
  for (const char* face : {"MS Sans Serif", "Arial", "Courier", "Courier New", "Comic Sans MS"}) {
    const QFont font = makeFont(face, 13, {.bold = true});
    EXPECT_EQ(QFontInfo(font).family(), substituteFace(face)) << face;  // installed
    EXPECT_TRUE(font.pixelSize() == 13 && font.bold() && !font.italic());
  }
}

}  // namespace
}  // namespace paxamon
