#include "machine/notation.h"

#include <charconv>

namespace paxamon {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::int32_t> parseHex(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint32_t value = 0;
  int significant = 0;
  for (char c : digits) {
    const int v = hexValue(c);
    if (v < 0) return std::nullopt;
    if (significant > 0 || v != 0) ++significant;
    if (significant > 8) return std::nullopt;
    value = (value << 4) | static_cast<std::uint32_t>(v);
  }
  return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> parseDecimal(std::string_view digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  const std::uint64_t limit = negative ? 2147483648ull : 2147483647ull;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (!isDigit(c)) return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > limit) return std::nullopt;
  }
  const auto magnitude = static_cast<std::uint32_t>(value);
  return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}

}  // namespace

std::string upperCell(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::string_view mnemonicOf(std::string_view upperText) {
  return upperText.substr(0, 3);
}

std::optional<std::int32_t> parseNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ')
    ++i;
  text.remove_prefix(i);
  if (text.empty()) return std::nullopt;
  if (text.front() == '$') return parseHex(text.substr(1));
  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  return parseDecimal(text, negative);
}

std::optional<CellAddress> addressOf(std::string_view upperText, std::string_view mnemonic) {
  std::string_view operand = upperText.size() > 3 ? upperText.substr(3) : std::string_view{};
  if (mnemonic == "STA") operand = operand.substr(0, 2);
  const auto value = parseNumber(operand);
  if (!value || *value < 0 || *value >= kCellCount) return std::nullopt;
  return static_cast<CellAddress>(*value);
}

std::optional<std::int32_t> dataOf(std::string_view cellText) {
  if (cellText.empty()) return 0;
  return parseNumber(cellText);
}

CellText numberText(std::int32_t value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  const auto length = static_cast<std::size_t>(result.ptr - buffer);
  return CellText(buffer, length < kCellCapacity ? length : kCellCapacity);
}

std::string operandView(const CellTexts& memory, std::optional<CellAddress> cell) {
  if (!cell) return {};
  const CellText& text = memory[static_cast<std::size_t>(*cell)];
  if (text.empty()) return "0";
  const char first = text.front();
  if (first == '+' || first == '-' || isDigit(first)) return text;
  return {};
}

CellText cutToCell(std::string_view text) {
  return CellText(text.substr(0, kCellCapacity));
}

}  // namespace paxamon
