#include "machine/celledit.h"

#include <gtest/gtest.h>

namespace paxamon {
namespace {

CellTexts cells(std::initializer_list<std::pair<int, const char*>> texts) {
  CellTexts c;
  for (const auto& [address, text] : texts)
    c[static_cast<std::size_t>(address)] = text;
  return c;
}

TEST(CellEdit, EnterAndBackspaceRenumberTheProgram) {
  // Enter with the cursor on row 2 opens cell 3; cell 7 was empty before
  // the move, so STA7 stays.
  CellTexts c = cells({{0, "LDA5"}, {1, "ADD6"}, {2, "STA7"}, {3, "END"}, {5, "10"}, {6, "20"}});
  insertEmptyCell(c, 3);
  EXPECT_EQ(c, cells({{0, "LDA6"}, {1, "ADD7"}, {2, "STA7"}, {4, "END"}, {6, "10"}, {7, "20"}}));
  // Backspace in the empty cell 3; the cursor moves up to row 2.
  removeCell(c, 3, 2);
  EXPECT_EQ(c, cells({{0, "LDA5"}, {1, "ADD6"}, {2, "STA6"}, {3, "END"}, {5, "10"}, {6, "20"}}));
}

TEST(CellEdit, WhatCountsAsAReference) {
  // Case kept, leading zeros and hex written back in decimal, "12XY" no
  // number, four digits read as "100" and 5, 31 never renumbered on an insert.
  const char* const before[] = {"lda5", "LDA05", "LDA 12", "JMP$0A", "STA12XY", "1005", "JMP31"};
  const char* const after[] = {"lda6", "LDA6", "LDA13", "JMP11", "STA12XY", "1006", "JMP31"};
  CellTexts c;
  for (std::size_t i = 0; i < std::size(before); ++i)
    c[i] = before[i];
  c[11] = c[13] = c[31] = "x";
  shiftReferences(c, 0, +1);
  for (std::size_t i = 0; i < std::size(after); ++i)
    EXPECT_EQ(c[i], after[i]);
}

TEST(CellEdit, EdgesOfTheMemory) {
  // Opening cell 31 drops its text and renumbers nothing.
  CellTexts c = cells({{0, "JMP30"}, {30, "INC"}, {31, "END"}});
  insertEmptyCell(c, 31);
  EXPECT_EQ(c, cells({{0, "JMP30"}, {30, "INC"}}));

  // Removing cell 16 with the cursor kept on it (row 0 of the second grid):
  // a reference to 16 stays, one to 17 moves to 16.
  c = cells({{0, "JMP16"}, {1, "JMP17"}, {15, "x"}, {17, "END"}});
  removeCell(c, 16, 16);
  EXPECT_EQ(c, cells({{0, "JMP16"}, {1, "JMP16"}, {15, "x"}, {16, "END"}}));

  // References outside the memory are left alone.
  c = cells({{0, "JMP32"}, {1, "JMP-1"}, {30, "x"}, {31, "x"}});
  const CellTexts before = c;
  shiftReferences(c, 0, -1);
  shiftReferences(c, 0, +1);
  EXPECT_EQ(c, before);
}

}  // namespace
}  // namespace paxamon
