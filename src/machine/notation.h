// How a cell text is read: as an instruction, as an operand address and as
// a number; and how numbers and operand cells are written for display.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "machine/state.h"

namespace paxamon {

// Letters a-z turned into A-Z; every other byte (umlauts too) unchanged.
std::string upperCell(std::string_view text);

// The first 3 characters (fewer when the text is shorter).
std::string_view mnemonicOf(std::string_view upperText);

// Blanks, then "$" and 1+ hex digits (at most 8 significant, two's
// complement), or an optional sign and 1+ decimal digits within the 32-bit
// signed range. The digits must reach the end of the text.
std::optional<std::int32_t> parseNumber(std::string_view text);

// The operand address 0-31 of an instruction cell. STA takes exactly the
// 4th and 5th characters, every other instruction the whole rest.
std::optional<CellAddress> addressOf(std::string_view upperText, std::string_view mnemonic);

// A cell read as data: empty is 0, otherwise the whole text as a number.
std::optional<std::int32_t> dataOf(std::string_view cellText);

// Decimal text of a value, cut to the cell capacity ("-21474836").
CellText numberText(std::int32_t value);

// What the data path between memory and arithmetic unit shows for a cell:
// nothing without a cell, "0" for an empty cell, the text itself when it
// starts with "+", "-" or a digit, otherwise nothing.
std::string operandView(const CellTexts& memory, std::optional<CellAddress> cell);

// Cut a text to the cell capacity.
CellText cutToCell(std::string_view text);

}  // namespace paxamon
