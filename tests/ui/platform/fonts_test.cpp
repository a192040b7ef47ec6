#include "ui/platform/fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>

namespace paxamon {
namespace {

TEST(Fonts, FacesResolveToInstalledOnes) {
  EXPECT_EQ(substituteFace("MS Sans Serif"), "Liberation Sans");
  EXPECT_EQ(substituteFace("arial"), "Liberation Sans");
  EXPECT_EQ(substituteFace("Courier"), "Liberation Mono");
  EXPECT_EQ(substituteFace("Courier New"), "Liberation Mono");
  EXPECT_EQ(substituteFace("Comic Sans MS"), "Comic Neue");
  EXPECT_EQ(substituteFace("Liberation Serif"), "Liberation Serif");

  for (const char* face : {"MS Sans Serif", "Courier New", "Comic Sans MS"}) {
    const QFont font = makeFont(face, 13, {.bold = true});
    EXPECT_EQ(QFontInfo(font).family(), substituteFace(face)) << face;
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
  }
  EXPECT_TRUE(QFontInfo(makeFont("Courier", 11)).fixedPitch());
}

}  // namespace
}  // namespace paxamon
