// The memory editor: what Enter, Backspace, F1 and typing do in the two
// memory grids on top of the grids' own editing.
#include "machine/celledit.h"
#include "machine/notation.h"
#include "ui/help/helpviewer.h"
#include "ui/main/TForm1.h"
#include "ui/main/helpcontexts.h"
#include "ui/platform/helpcontext.h"
#include "ui/platform/textcodec.h"

namespace paxamon {

void TForm1::Mem1KeyDown(Word& key, TShiftState) {
  memKeyDown(Mem1, key);
}
void TForm1::Mem2KeyDown(Word& key, TShiftState) {
  memKeyDown(Mem2, key);
}
void TForm1::Mem1KeyPress(char32_t& key) {
  memKeyPress(Mem1, key);
}
void TForm1::Mem2KeyPress(char32_t& key) {
  memKeyPress(Mem2, key);
}
void TForm1::Mem1KeyUp(Word&, TShiftState) {
  memKeyUp(Mem1);
}
void TForm1::Mem2KeyUp(Word&, TShiftState) {
  memKeyUp(Mem2);
}

void TForm1::memKeyDown(TStringGrid* grid, Word key) {
  // Typed characters are always appended: the caret goes to the end, and
  // a selection of the whole text made on arrival is dropped. Backspace and
  // Delete keep it, so they still empty such a cell in one stroke.
  if (key != vk::Back && key != vk::Delete) grid->caretToEnd();
  // The grid's own context help is held back while the key is down.
  setHelpContext(grid, 0);
  if (key == vk::F1) {
    // "Befehl, " and the cell's first three characters, upper-cased by the
    // Unicode rules ("ß" becomes "SS").
    HelpViewer::instance().showKeyword(QStringLiteral("Befehl, ") +
                                       grid->Cells(0, grid->Row()).left(3).toUpper());
  }
}

void TForm1::memKeyPress(TStringGrid* grid, char32_t& key) {
  if (key == ch::Enter) {
    key = 0;
    enterOperation(grid);
  } else if (key == ch::Backspace && grid->Cells(0, grid->Row()).isEmpty()) {
    key = 0;
    backspaceOperation(grid);
  }
  // A cell of exactly 9 characters takes nothing more but Backspace; a
  // longer (pasted or loaded) text still takes typing.
  if (key != 0 && key != ch::Backspace &&
      grid->Cells(0, grid->Row()).size() == static_cast<qsizetype>(kCellCapacity)) {
    key = 0;
  }
}

void TForm1::memKeyUp(TStringGrid* grid) {
  setHelpContext(grid, hcMemory);
}

void TForm1::fillWorkingCopy() {
  const CellTexts texts = readCells();
  for (std::size_t i = 0; i < texts.size(); ++i)
    Machine.memory[i] = cutToCell(texts[i]);
}

void TForm1::enterOperation(TStringGrid* grid) {
  fillWorkingCopy();
  if (grid->Row() < kRowsPerGrid - 1) grid->setRow(grid->Row() + 1);
  insertEmptyCell(Machine.memory, baseOf(grid) + grid->Row());
  setGridTexts(Machine.memory);
}

void TForm1::backspaceOperation(TStringGrid* grid) {
  fillWorkingCopy();
  const int removed = baseOf(grid) + grid->Row();
  const bool firstRowOfMem2 = grid == Mem2 && grid->Row() == 0;
  if (grid->Row() > 0) grid->setRow(grid->Row() - 1);
  removeCell(Machine.memory, removed, baseOf(grid) + grid->Row());
  setGridTexts(Machine.memory);
  if (firstRowOfMem2) {
    // The cell before the removed one is the last of Mem1: the cursor goes
    // there, across the grids.
    Mem1->setRow(kRowsPerGrid - 1);
    Mem1->setFocus();
  }
}

}  // namespace paxamon
