#include "cli/printable.h"

#include <gtest/gtest.h>

namespace paxamon {
namespace {

TEST(Printable, CellTextsBecomeUtf8WithoutControlCharacters) {
  EXPECT_EQ(printableCp1252("LDA12"), "LDA12");
  EXPECT_EQ(printableCp1252("\xE4\xF6\xFC\xDF"), "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F");  // äöüß
  EXPECT_EQ(printableCp1252("\x80\x9F\xA0\xFF"), "\xE2\x82\xAC\xC5\xB8\xC2\xA0\xC3\xBF");  // € Ÿ
  EXPECT_EQ(printableCp1252("a\tb\nc\rd\\e"), "a\\tb\\nc\\rd\\\\e");
  EXPECT_EQ(printableCp1252(std::string("\x1B]0;x\x07\x7F\0", 8)), "\\x1B]0;x\\x07\\x7F\\x00");
  // The undefined bytes would print as C1 controls (0x9D is the start of
  // an operating system command).
  EXPECT_EQ(printableCp1252("\x81\x8D\x8F\x90\x9D"), "\\x81\\x8D\\x8F\\x90\\x9D");
}

TEST(Printable, FileNamesKeepWellFormedUtf8Only) {
  EXPECT_EQ(printableUtf8("Pr\xC3\xBC"
                          "fung \xE2\x82\xAC.pax"),
            "Pr\xC3\xBC"
            "fung \xE2\x82\xAC.pax");
  EXPECT_EQ(printableUtf8("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(printableUtf8("a\nb\\"), "a\\nb\\\\");
  // C1 controls, malformed and overlong sequences, surrogates, truncation.
  EXPECT_EQ(printableUtf8("\xC2\x9B"
                          "2J"),
            "\\xC2\\x9B2J");
  EXPECT_EQ(printableUtf8("\xFC\xC0\xAF"), "\\xFC\\xC0\\xAF");
  EXPECT_EQ(printableUtf8("\xED\xA0\x80"), "\\xED\\xA0\\x80");
  EXPECT_EQ(printableUtf8("x\xE2\x82"), "x\\xE2\\x82");
}

}  // namespace
}  // namespace paxamon
