#include "machine/notation.h"

#include <gtest/gtest.h>

#include "machine/codec.h"

namespace paxamon {
namespace {

TEST(Notation, NumberSyntax) {
  const std::pair<const char*, std::int32_t> numbers[] = {
      {"42", 42},        {" 42", 42},       {"  -7", -7},         {"+7", 7}, {"$ff", 255},
      {"$FFFFFFFF", -1}, {"$000000001", 1}, {"000000000012", 12}, {"-0", 0}};
  for (const auto& [text, value] : numbers)
    EXPECT_EQ(parseNumber(text), value) << '"' << text << '"';
  EXPECT_EQ(parseNumber("$80000000"), INT32_MIN);
  EXPECT_EQ(parseNumber("-2147483648"), INT32_MIN);
  EXPECT_EQ(parseNumber("2147483647"), INT32_MAX);
  for (const char* text :
       {"", "   ", "-", "+", "$", "42 ", "4 2", "-$5", "+-5", "\t5", "2147483648", "-2147483649",
        "$100000000", "$1G", "99999999999999999999"})
    EXPECT_EQ(parseNumber(text), std::nullopt) << '"' << text << '"';
}

TEST(Notation, OperandAddresses) {
  // STA takes exactly the two characters after its mnemonic.
  const std::pair<const char*, CellAddress> addresses[] = {
      {"LDA12", 12},   {"LDA 12", 12}, {"LDA$1F", 31}, {"JMP00", 0},
      {"STA12XY", 12}, {"STA1", 1},    {"STA 3", 3}};
  for (const auto& [upper, address] : addresses)
    EXPECT_EQ(addressOf(upper, mnemonicOf(upper)), address) << upper;
  for (const std::string_view upper :
       {"LDA12 ", "LDA12X", "STA", "LDA", "LDA-1", "LDA32", "STA32", "STAX1"})
    EXPECT_EQ(addressOf(upper, mnemonicOf(upper)), std::nullopt) << upper;
}

TEST(Notation, CellsAsDataAndOnTheDataPath) {
  EXPECT_EQ(dataOf(""), 0);
  EXPECT_EQ(dataOf("LDA12"), std::nullopt);
  // A cell starting like a number is shown as stored ("+3x"), nothing else.
  const CellTexts memory = {"", "-5", " 5", "LDA12", "+3x"};
  const char* const shown[] = {"0", "-5", "", "", "+3x"};
  for (CellAddress cell = 0; cell < 5; ++cell)
    EXPECT_EQ(operandView(memory, cell), shown[cell]) << cell;
  EXPECT_EQ(operandView(memory, std::nullopt), "");
  EXPECT_EQ(upperCell("\xE4nd z"), "\xE4ND Z");  // umlauts stay as they are
  EXPECT_EQ(numberText(1234567890), "123456789");
}

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
