// The memory editor's operations on the 32 cell texts: opening an empty
// cell (Enter), removing an empty cell (Backspace) and renumbering the
// address operands that pointed at moved cells.
#pragma once

#include <string>
#include <string_view>

#include "machine/state.h"

namespace paxamon {

// Moves cells at..30 one cell on (cell 31's text is dropped), empties cell
// `at` and renumbers references with shiftReferences(cells, at, +1).
void insertEmptyCell(CellTexts& cells, CellAddress at);

// Moves cells at+1..31 one cell back, empties cell 31 and renumbers
// references with shiftReferences(cells, from, -1).
void removeCell(CellTexts& cells, CellAddress at, CellAddress from);

// Every cell of 4 or more characters whose tail from the 4th character
// reads as a number a is a reference. After an insert (+1) it becomes a + 1
// when from <= a <= 30 and cell a + 1 holds text; after a removal (-1) it
// becomes a - 1 when from < a <= 31 and cell a - 1 holds text. A renumbered
// cell keeps its first 3 characters and gets the new number in decimal.
void shiftReferences(CellTexts& cells, CellAddress from, int delta);

}  // namespace paxamon
