#include "machine/notation.h"

#include <gtest/gtest.h>

namespace paxamon {
namespace {

TEST(Notation, NumberSyntax) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"42", 42},
      {" 42", 42},
      {"  -7", -7},
      {"+7", 7},
      {"$10", 16},
      {"$ff", 255},
      {"$FFFFFFFF", -1},
      {"$000000001", 1},
      {"$80000000", INT32_MIN},
      {"-2147483648", INT32_MIN},
      {"2147483647", INT32_MAX},
      {"000000000012", 12},
      {"-0", 0},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"+", std::nullopt},
      {"$", std::nullopt},
      {"42 ", std::nullopt},
      {"4 2", std::nullopt},
      {"-$5", std::nullopt},
      {"+-5", std::nullopt},
      {"\t5", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"$100000000", std::nullopt},
      {"$1G", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(Notation, OperandAddresses) {
  struct Case {
    const char* upper;
    std::optional<CellAddress> address;
  };
  const Case cases[] = {
      {"LDA12", 12},
      {"LDA 12", 12},
      {"LDA$1F", 31},
      {"JMP31", 31},
      {"STA12XY", 12},
      {"STA1", 1},
      {"STA 3", 3},
      {"JMP00", 0},
      {"LDA12 ", std::nullopt},
      {"LDA12X", std::nullopt},
      {"LDA12XY", std::nullopt},
      {"STA", std::nullopt},
      {"LDA", std::nullopt},
      {"LDA-1", std::nullopt},
      {"LDA32", std::nullopt},
      {"STA32", std::nullopt},
      {"STAX1", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::string_view upper = c.upper;
    EXPECT_EQ(addressOf(upper, mnemonicOf(upper)), c.address) << c.upper;
  }
}

TEST(Notation, CellsAsDataAndOnTheDataPath) {
  EXPECT_EQ(dataOf(""), 0);
  EXPECT_EQ(dataOf(" 5"), 5);
  EXPECT_EQ(dataOf("LDA12"), std::nullopt);

  CellTexts memory;
  memory[1] = "-5";
  memory[2] = " 5";
  memory[3] = "LDA12";
  memory[4] = "+3x";
  EXPECT_EQ(operandView(memory, std::nullopt), "");
  EXPECT_EQ(operandView(memory, 0), "0");
  EXPECT_EQ(operandView(memory, 1), "-5");
  EXPECT_EQ(operandView(memory, 2), "");
  EXPECT_EQ(operandView(memory, 3), "");
  EXPECT_EQ(operandView(memory, 4), "+3x");  // shown as stored, not as a number

  EXPECT_EQ(upperCell("\xE4nd z"), "\xE4ND Z");  // umlauts stay as they are
  EXPECT_EQ(numberText(1234567890), "123456789");
}

}  // namespace
}  // namespace paxamon
