#include "machine/celledit.h"

#include <locale>
#include <optional>

#include "machine/notation.h"
#include "machine/utf8.h"

namespace paxamon {

void insertEmptyCell(CellTexts& cells, CellAddress at) {
  for (CellAddress i = kCellCount - 2; i >= at; --i) {
    cells[static_cast<std::size_t>(i + 1)] = std::move(cells[static_cast<std::size_t>(i)]);
  }
  cells[static_cast<std::size_t>(at)].clear();
  shiftReferences(cells, at, +1);
}

void removeCell(CellTexts& cells, CellAddress at, CellAddress from) {
  for (CellAddress i = at + 1; i < kCellCount; ++i) {
    cells[static_cast<std::size_t>(i - 1)] = std::move(cells[static_cast<std::size_t>(i)]);
  }
  cells[kCellCount - 1].clear();
  shiftReferences(cells, from, -1);
}

void shiftReferences(CellTexts& cells, CellAddress from, int delta) {
  auto holdsText = [&cells](std::int32_t address) {
    return !cells[static_cast<std::size_t>(address)].empty();
  };
  for (CellText& text : cells) {
    if (text.size() < 4) continue;
    const std::optional<std::int32_t> a = parseNumber(std::string_view(text).substr(3));
    if (!a) continue;
    const bool renumber = delta > 0 ? *a >= from && *a <= kCellCount - 2 && holdsText(*a + 1)
                                    : *a > from && *a <= kCellCount - 1 && holdsText(*a - 1);
    if (renumber) text = cutToCell(text.substr(0, 3) + std::to_string(*a + delta));
  }
}

namespace {

// Upper case by the Unicode character tables of the C.UTF-8 locale, which
// every Debian system has; without it only a-z are mapped.
char32_t toUpper(char32_t cp) {
  static const std::locale unicode = [] {
    try {
      return std::locale("C.UTF-8");
    } catch (const std::runtime_error&) {
      return std::locale::classic();
    }
  }();
  return static_cast<char32_t>(std::toupper(static_cast<wchar_t>(cp), unicode));
}

}  // namespace

std::string helpKeyword(std::string_view utf8Text) {
  std::string keyword = "Befehl, ";
  const std::u32string text = decodeUtf8(utf8Text);
  for (std::size_t i = 0; i < text.size() && i < 3; ++i) {
    if (text[i] == U'\u00DF') {
      keyword += "SS";  // the sharp s has no single capital
    } else {
      appendUtf8(keyword, toUpper(text[i]));
    }
  }
  return keyword;
}

}  // namespace paxamon
