// TStringGrid: the platform's string grid, as far as the memory grids need
// it: one column of DefaultColWidth pixels, RowCount rows of DefaultRowHeight
// pixels with one-pixel grid lines, no fixed rows or columns, no scroll bars.
//
// While editing is on (AlwaysShowEditor), the cell editor, a line edit
// placed over the current cell, is always shown; the grid's focus goes to
// it. When the cursor arrives on a cell the editor selects the whole text.
// The grid text of a row follows the editor after every change, and the
// editor follows a changed text of its row. The current cell of a grid that
// is not its window's focused control is drawn in the highlight colours
// (the editor takes them on then). Colours are TColors resolved when
// painted; the font is "Courier" 11 px until set otherwise.
//
// Keys, as on that platform: for one key stroke OnKeyDown is called, then
// OnKeyPress for each character the key produces, then OnKeyUp on release,
// each before the grid or its editor act on it. OnKeyDown may set the key
// to 0: the grid and editor then skip their own key-down action (moving
// rows, the caret, Delete), while the key's character still comes to
// OnKeyPress. OnKeyPress may set the character to 0 to swallow it, or
// replace it. Control keys produce characters too: Enter 13, Backspace 8,
// Escape 27, Ctrl+A..Ctrl+Z 1..26; the editor performs Backspace (8),
// Ctrl+A select all (1), Ctrl+C copy (3), Ctrl+V paste (22), Ctrl+X cut (24)
// and Ctrl+Z undo (26) from these characters, so swallowing them stops the
// action. Shift+Insert, Ctrl+Insert and Shift+Delete work on key down.
// Auto-repeated keys repeat key down and key press without key up.
// F1 (without Ctrl, Alt or Shift) that key down leaves alone then asks for
// the grid's context help (see helpcontext.h): a key-down handler that sets
// the grid's help context to 0 holds that help back.
//
// Navigation: Up and Down move one row and stay at the first and last row;
// Page Up/Down and Ctrl+Home/End go to the first or last row; Tab and
// Shift+Tab leave the grid to the next or previous control in tab order.
#pragma once

#include <QLineEdit>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "ui/platform/colors.h"
#include "ui/platform/keys.h"

namespace paxamon {

// The key handlers are callbacks rather than signals: like the platform's,
// they may change the key or character they receive, through the reference.
using TKeyEvent = std::function<void(Word& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(char32_t& key)>;

class TStringGrid;

// The cell editor of a TStringGrid.
class TInplaceEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TInplaceEdit(TStringGrid* grid);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  friend class TStringGrid;
  void editorKeyPress(QKeyEvent* event) { QLineEdit::keyPressEvent(event); }
  void editorKeyRelease(QKeyEvent* event) { QLineEdit::keyReleaseEvent(event); }
  bool moveFocus(bool next) { return focusNextPrevChild(next); }

  TStringGrid* grid_;
};

class TStringGrid : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int Row READ Row WRITE setRow NOTIFY RowChanged)
  Q_PROPERTY(int RowCount READ RowCount WRITE setRowCount)
  Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE setDefaultColWidth)
  Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE setDefaultRowHeight)
  Q_PROPERTY(bool AlwaysShowEditor READ AlwaysShowEditor WRITE setAlwaysShowEditor)

 public:
  // The frame: none, or the single border (2 pixels sunken when Ctl3D,
  // else a 1-pixel line).
  enum class TBorderStyle { None, Single };

  explicit TStringGrid(QWidget* parent = nullptr);

  int RowCount() const { return static_cast<int>(cells_.size()); }
  void setRowCount(int count);  // at least 1; the current row stays inside
  int ColCount() const { return 1; }
  int DefaultColWidth() const { return colWidth_; }
  void setDefaultColWidth(int width);
  int DefaultRowHeight() const { return rowHeight_; }
  void setDefaultRowHeight(int height);
  static constexpr int GridLineWidth() { return 1; }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void setBorderStyle(TBorderStyle style);
  bool Ctl3D() const { return ctl3D_; }
  void setCtl3D(bool on);
  TColor Color() const { return color_; }  // the cells' background
  void setColor(TColor color);
  TColor FontColor() const { return fontColor_; }
  void setFontColor(TColor color);

  // The texts; a cell outside the grid reads as empty and ignores writes.
  QString Cells(int col, int row) const;
  void setCells(int col, int row, const QString& text);

  // The current cell. Setting a row outside the grid does nothing.
  int Row() const { return row_; }
  void setRow(int row);
  int Col() const { return 0; }
  void setCol(int col);  // only column 0 exists

  // The platform option that keeps the cell editor shown; on by default.
  // Without it the grid shows its texts and moves its cursor but edits
  // nothing.
  bool AlwaysShowEditor() const { return alwaysShowEditor_; }
  void setAlwaysShowEditor(bool on);

  // Shows the editor, drops its selection and puts the caret after the
  // last character.
  void caretToEnd();

  TInplaceEdit* InplaceEditor() const { return editor_; }
  // The names under which assistive technology reads the rows ("Zeile 1"
  // and on unless set); the cell editor takes the name of its row.
  QString CellName(int row) const;
  void setCellNames(const QStringList& names);
  // A cell's area in widget coordinates, without its grid lines.
  QRect CellRect(int col, int row) const;

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;

  QSize sizeHint() const override;

 signals:
  void RowChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  friend class TInplaceEdit;

  void handleKeyPress(QKeyEvent* event);
  void handleKeyRelease(QKeyEvent* event);
  void commitText(const QString& text);
  bool navigate(Word key, TShiftState shift);
  void applyCharacter(char32_t character);
  void paste();  // the clipboard's first line
  bool editorShown() const { return alwaysShowEditor_; }
  bool isActiveControl() const;
  void updateLook();
  void placeEditor();
  void updateFrame();
  int borderWidth() const;

  QStringList cells_;
  QStringList cellNames_;
  int row_ = 0;
  int colWidth_ = 78;
  int rowHeight_ = 16;
  TColor color_ = clWindow;
  TColor fontColor_ = clWindowText;
  TBorderStyle borderStyle_ = TBorderStyle::Single;
  bool ctl3D_ = true;
  bool alwaysShowEditor_ = true;
  TInplaceEdit* editor_;
};

}  // namespace paxamon
