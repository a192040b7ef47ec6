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
  // Enter with the cursor on row 2 opens cell 3.
  CellTexts c = cells({{0, "LDA5"}, {1, "ADD6"}, {2, "STA7"}, {3, "END"}, {5, "10"}, {6, "20"}});
  insertEmptyCell(c, 3);
  EXPECT_EQ(c, cells({{0, "LDA6"},
                      {1, "ADD7"},
                      {2, "STA7"},  // cell 7 was empty before the move
                      {4, "END"},
                      {6, "10"},
                      {7, "20"}}));
  // Backspace in the empty cell 3; the cursor moves up to row 2.
  removeCell(c, 3, 2);
  EXPECT_EQ(c, cells({{0, "LDA5"}, {1, "ADD6"}, {2, "STA6"}, {3, "END"}, {5, "10"}, {6, "20"}}));
}

TEST(CellEdit, WhatCountsAsAReference) {
  CellTexts c = cells({{0, "lda5"},
                       {1, "LDA05"},
                       {2, "LDA 12"},
                       {3, "JMP$0A"},
                       {4, "STA12XY"},
                       {5, "1005"},
                       {6, "JMP31"},
                       {7, "END"},
                       {11, "x"},
                       {13, "x"},
                       {31, "x"}});
  shiftReferences(c, 0, +1);
  EXPECT_EQ(c[0], "lda6");     // case kept (cell 6 holds text)
  EXPECT_EQ(c[1], "LDA6");     // leading zero gone
  EXPECT_EQ(c[2], "LDA13");    // cell 13 holds text
  EXPECT_EQ(c[3], "JMP11");    // hex written back in decimal
  EXPECT_EQ(c[4], "STA12XY");  // "12XY" is no number
  EXPECT_EQ(c[5], "1006");     // a number of four digits is read as "100" and 5
  EXPECT_EQ(c[6], "JMP31");    // 31 is never renumbered on an insert
  EXPECT_EQ(c[7], "END");
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
  shiftReferences(c, 0, -1);
  shiftReferences(c, 0, +1);
  EXPECT_EQ(c[0], "JMP32");
  EXPECT_EQ(c[1], "JMP-1");
}

}  // namespace
}  // namespace paxamon
