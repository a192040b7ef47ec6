#include "machine/celledit.h"

#include <optional>

#include "machine/notation.h"

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

}  // namespace paxamon
