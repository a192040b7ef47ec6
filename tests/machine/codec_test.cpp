#include "machine/codec.h"

#include <gtest/gtest.h>

namespace paxamon {
namespace {

TEST(Codec, Windows1252BothWays) {
  // Umlauts, the euro sign and typographic quotes of the 0x80-0x9F range.
  const std::string bytes = "\xC4\xD6\xDC\xE4\xF6\xFC\xDF \x80\x84\x93";
  const std::string utf8 = "ÄÖÜäöüß €„“";
  EXPECT_EQ(cp1252ToUtf8(bytes), utf8);
  EXPECT_EQ(utf8ToCp1252(utf8), bytes);
  // Undefined bytes keep their code and survive a round trip.
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8("\x81\x8D\x8F\x90\x9D")), "\x81\x8D\x8F\x90\x9D");
  EXPECT_FALSE(isDefinedCp1252(0x81));
  // What the set cannot hold (CJK, an emoji) gives one "?" each, never a
  // control character; malformed UTF-8 likewise.
  EXPECT_EQ(utf8ToCp1252("a\u4E00b\U0001F600c"), "a?b?c");
  EXPECT_EQ(utf8ToCp1252("x\xC3"), "x?");
  EXPECT_EQ(utf8ToCp1252("\x1A"), "\x1A");
}

}  // namespace
}  // namespace paxamon
