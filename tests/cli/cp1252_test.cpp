#include "cli/cp1252.h"

#include <gtest/gtest.h>

namespace paxamon {
namespace {

TEST(Cp1252, ConvertsEveryRangeToUtf8) {
  EXPECT_EQ(cp1252ToUtf8("LDA12"), "LDA12");
  EXPECT_EQ(cp1252ToUtf8("\xE4\xF6\xFC\xDF"), "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F");  // äöüß
  EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");                                  // €
  EXPECT_EQ(cp1252ToUtf8("\x9F"), "\xC5\xB8");                                      // Ÿ
  EXPECT_EQ(cp1252ToUtf8("\x81"), "\xC2\x81");  // undefined: kept as U+0081
  EXPECT_EQ(cp1252ToUtf8("\xA0\xFF"), "\xC2\xA0\xC3\xBF");
}

}  // namespace
}  // namespace paxamon
