#include "ui/platform/stringgrid.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <algorithm>
#include <limits>
#include <string>

#include "ui/platform/accessible.h"
#include "ui/platform/drawing.h"
#include "ui/platform/fonts.h"
#include "ui/platform/helpcontext.h"
#include "ui/platform/keys.h"
#include "ui/platform/property.h"

namespace paxamon {

namespace {

// The text up to the first line break: a cell holds one line.
QString firstLine(QString text) {
  const auto end =
      std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
  text.truncate(end - text.cbegin());
  return text;
}

}  // namespace

// ---- the cell editor ----

TInplaceEdit::TInplaceEdit(TStringGrid* grid) : QLineEdit(grid), grid_(grid) {
  setObjectName(QStringLiteral("InplaceEditor"));
  setFrame(false);
  setAcceptDrops(false);
  // Grid texts may be long (a loaded file); the editor must not cut them.
  setMaxLength(std::numeric_limits<int>::max());
  setAutoFillBackground(true);
}

bool TInplaceEdit::event(QEvent* event) {
  // Tab would move the focus before keyPressEvent sees it.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      grid_->handleKeyPress(key);
      return true;
    }
  }
  return QLineEdit::event(event);
}

void TInplaceEdit::keyPressEvent(QKeyEvent* event) {
  grid_->handleKeyPress(event);
}

void TInplaceEdit::keyReleaseEvent(QKeyEvent* event) {
  grid_->handleKeyRelease(event);
}

void TInplaceEdit::inputMethodEvent(QInputMethodEvent* event) {
  // Text committed by an input method is typed text: each character goes
  // through the key-press handler like a key.
  const TKeyPressEvent handler = grid_->OnKeyPress;
  if (event->commitString().isEmpty() || !handler) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QString accepted;
  for (char32_t c : event->commitString().toUcs4()) {
    handler(c);
    if (c >= 32 && c != 127) accepted += QString::fromUcs4(&c, 1);
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
  event->accept();
}

void TInplaceEdit::mousePressEvent(QMouseEvent* event) {
  // No middle-button paste: it would bypass the key handlers and bring in
  // line breaks.
  if (event->button() == Qt::MiddleButton) return;
  QLineEdit::mousePressEvent(event);
}

void TInplaceEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) return;
  QLineEdit::mouseReleaseEvent(event);
}

void TInplaceEdit::contextMenuEvent(QContextMenuEvent* event) {
  // The edit menu of the platform, in German.
  QMenu menu(this);
  const bool writable = !isReadOnly();
  const bool selected = hasSelectedText();
  menu.addAction(QStringLiteral("&Rückgängig"), this, &QLineEdit::undo)
      ->setEnabled(writable && isUndoAvailable());
  menu.addSeparator();
  menu.addAction(QStringLiteral("&Ausschneiden"), this, &QLineEdit::cut)
      ->setEnabled(writable && selected);
  menu.addAction(QStringLiteral("&Kopieren"), this, &QLineEdit::copy)->setEnabled(selected);
  menu.addAction(QStringLiteral("E&infügen"), this, [this] { grid_->paste(); })
      ->setEnabled(writable && !QGuiApplication::clipboard()->text().isEmpty());
  menu.addAction(QStringLiteral("&Löschen"), this, [this] { del(); })
      ->setEnabled(writable && selected);
  menu.addSeparator();
  menu.addAction(QStringLiteral("Alles &markieren"), this, &QLineEdit::selectAll)
      ->setEnabled(!text().isEmpty());
  menu.exec(event->globalPos());
}

// ---- the grid ----

TStringGrid::TStringGrid(QWidget* parent) : QWidget(parent), cells_(16) {
  registerPlatformAccessibles();
  setFocusPolicy(Qt::StrongFocus);
  setFont(makeFont(QStringLiteral("Courier"), 11));
  editor_ = new TInplaceEdit(this);
  setFocusProxy(editor_);
  // F1 comes to the key handlers first; see handleKeyPress.
  setHandlesF1(this, true);
  connect(editor_, &QLineEdit::textChanged, this, &TStringGrid::commitText);
  connect(qApp, &QApplication::focusChanged, this, [this] { updateLook(); });
  editor_->setAccessibleName(CellName(row_));
  updateFrame();
  updateLook();
}

QString TStringGrid::CellName(int row) const {
  if (row >= 0 && row < cellNames_.size()) return cellNames_[row];
  return QStringLiteral("Zeile %1").arg(row + 1);
}

void TStringGrid::setCellNames(const QStringList& names) {
  cellNames_ = names;
  editor_->setAccessibleName(CellName(row_));
}

QSize TStringGrid::sizeHint() const {
  const int border = 2 * borderWidth();
  return {colWidth_ + GridLineWidth() + border,
          RowCount() * (rowHeight_ + GridLineWidth()) + border};
}

void TStringGrid::setRowCount(int count) {
  count = std::max(count, 1);
  if (count == RowCount()) return;
  cells_.resize(count);
  if (row_ >= count) setRow(count - 1);
  updateGeometry();
  update();
}

void TStringGrid::setDefaultColWidth(int width) {
  width = std::max(width, 0);
  if (!storeIfChanged(colWidth_, width)) return;
  placeEditor();
  updateGeometry();
  update();
}

void TStringGrid::setDefaultRowHeight(int height) {
  height = std::max(height, 0);
  if (!storeIfChanged(rowHeight_, height)) return;
  placeEditor();
  updateGeometry();
  update();
}

void TStringGrid::setBorderStyle(TBorderStyle style) {
  if (!storeIfChanged(borderStyle_, style)) return;
  updateFrame();
}

void TStringGrid::setCtl3D(bool on) {
  if (!storeIfChanged(ctl3D_, on)) return;
  updateFrame();
}

void TStringGrid::setColor(TColor color) {
  if (!storeIfChanged(color_, color)) return;
  updateLook();
}

void TStringGrid::setFontColor(TColor color) {
  if (!storeIfChanged(fontColor_, color)) return;
  updateLook();
}

QString TStringGrid::Cells(int col, int row) const {
  if (col != 0 || row < 0 || row >= RowCount()) return {};
  return cells_[row];
}

void TStringGrid::setCells(int col, int row, const QString& text) {
  if (col != 0 || row < 0 || row >= RowCount() || cells_[row] == text) return;
  const QString old = cells_[row];
  cells_[row] = text;
  if (row == row_ && editor_->text() != text) {
    editor_->setText(text);
    editor_->selectAll();
  }
  update(CellRect(0, row));
  notifyTextChanged(this, old, text, row);
}

void TStringGrid::setRow(int row) {
  if (row < 0 || row >= RowCount() || row == row_) return;
  const int old = row_;
  row_ = row;
  // Arriving on a cell, the editor shows its text wholly selected.
  editor_->setText(cells_[row_]);
  editor_->selectAll();
  editor_->setAccessibleName(CellName(row_));
  placeEditor();
  update(CellRect(0, old));
  update(CellRect(0, row_));
  // The current cell is the selected one.
  QAccessible::State selected;
  selected.selected = true;
  notifyStateChanged(this, selected, old);
  notifyStateChanged(this, selected, row_);
  emit RowChanged();
}

void TStringGrid::setCol(int col) {
  Q_UNUSED(col);
}

void TStringGrid::setAlwaysShowEditor(bool on) {
  if (on == alwaysShowEditor_) return;
  const bool hadFocus = editor_->hasFocus() || hasFocus();
  alwaysShowEditor_ = on;
  setFocusProxy(on ? editor_ : nullptr);
  editor_->setVisible(on);
  if (hadFocus) on ? editor_->setFocus() : setFocus();
  updateLook();
}

void TStringGrid::caretToEnd() {
  if (!editorShown()) return;
  editor_->deselect();
  editor_->end(false);
}

QRect TStringGrid::CellRect(int col, int row) const {
  if (col != 0 || row < 0 || row >= RowCount()) return {};
  const int border = borderWidth();
  return {border, border + row * (rowHeight_ + GridLineWidth()), colWidth_, rowHeight_};
}

void TStringGrid::handleKeyPress(QKeyEvent* event) {
  const Word code = virtualKey(*event);
  const TShiftState shift = shiftState(event->modifiers());
  Word key = code;
  // Copies: a handler may replace the handlers.
  if (const TKeyEvent handler = OnKeyDown) handler(key, shift);
  event->accept();

  // The grid's and the editor's own key-down action, unless the handler
  // took the key. A replaced key still moves the cursor, but the editor
  // only knows the key that was really pressed.
  bool keyDownDone = key == 0;
  if (!keyDownDone) {
    if (key == vk::F1 && shift == TShiftState{}) {
      requestContextHelp(editorShown() ? static_cast<QWidget*>(editor_) : this);  // below the cell
      return;
    }
    if (navigate(key, shift)) return;
    keyDownDone = key != code;
  }

  const std::u32string characters = keyCharacters(*event);
  if (characters.empty()) {
    if (!keyDownDone) {
      editorShown() ? editor_->editorKeyPress(event) : event->ignore();
    }
    return;
  }
  for (char32_t character : characters) {
    if (const TKeyPressEvent handler = OnKeyPress) handler(character);
    if (character != 0) applyCharacter(character);
  }
  // Escape also goes on to the window (dialogs close with it).
  if (code == vk::Escape) event->ignore();
}

void TStringGrid::handleKeyRelease(QKeyEvent* event) {
  // An auto-repeated key is released only once, at the end.
  if (event->isAutoRepeat()) return;
  Word key = virtualKey(*event);
  if (const TKeyEvent handler = OnKeyUp) handler(key, shiftState(event->modifiers()));
  if (key != 0 && editorShown()) editor_->editorKeyRelease(event);
}

bool TStringGrid::navigate(Word key, TShiftState shift) {
  switch (key) {
    case vk::Up:
      setRow(row_ - 1);
      return true;
    case vk::Down:
      setRow(row_ + 1);
      return true;
    case vk::Prior:
      setRow(0);
      return true;
    case vk::Next:
      setRow(RowCount() - 1);
      return true;
    case vk::Home:
    case vk::End:
      if (!shift.ctrl) return false;
      setRow(key == vk::Home ? 0 : RowCount() - 1);
      return true;
    case vk::Insert:
      // Shift+Insert pastes; done here so that only one line comes in.
      if (!shift.shift || shift.ctrl || !editorShown()) return false;
      paste();
      return true;
    case vk::Tab:
      if (shift.ctrl || shift.alt) return false;
      editorShown() ? editor_->moveFocus(!shift.shift) : focusNextPrevChild(!shift.shift);
      return true;
    default:
      return false;
  }
}

void TStringGrid::applyCharacter(char32_t character) {
  if (!editorShown()) return;
  switch (character) {
    case 1:
      editor_->selectAll();
      return;
    case 3:
      editor_->copy();
      return;
    case 8:
      editor_->backspace();
      return;
    case 22:
      paste();
      return;
    case 24:
      editor_->cut();
      return;
    case 26:
      editor_->undo();
      return;
    default:
      if (character < 32 || character == 127) return;
      editor_->insert(QString::fromUcs4(&character, 1));
  }
}

void TStringGrid::paste() {
  const QString text = firstLine(QGuiApplication::clipboard()->text());
  if (!text.isEmpty() || editor_->hasSelectedText()) editor_->insert(text);
}

void TStringGrid::commitText(const QString& text) {
  if (row_ < RowCount()) cells_[row_] = text;
}

bool TStringGrid::isActiveControl() const {
  const QWidget* focus = window()->focusWidget();
  return focus && (focus == editor_ || focus == this);
}

void TStringGrid::updateLook() {
  // In a grid that is not the focused control, the current cell shows in
  // the highlight colours, the editor on it too.
  const bool active = isActiveControl();
  QPalette look = editor_->palette();
  const QColor base = toQColor(active ? color_ : clHighlight);
  const QColor text = toQColor(active ? fontColor_ : clHighlightText);
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    look.setColor(group, QPalette::Base, base);
    look.setColor(group, QPalette::Window, base);
    look.setColor(group, QPalette::Text, text);
    look.setColor(group, QPalette::Highlight, toQColor(clHighlight));
    look.setColor(group, QPalette::HighlightedText, toQColor(clHighlightText));
  }
  if (editor_->palette() != look) editor_->setPalette(look);
  update();
}

void TStringGrid::placeEditor() {
  editor_->setGeometry(CellRect(0, row_) & contentsRect());
}

int TStringGrid::borderWidth() const {
  if (borderStyle_ == TBorderStyle::None) return 0;
  return ctl3D_ ? 2 : 1;
}

void TStringGrid::updateFrame() {
  const int border = borderWidth();
  setContentsMargins(border, border, border, border);
  placeEditor();
  updateGeometry();
  update();
}

void TStringGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect all = rect();
  if (borderStyle_ == TBorderStyle::Single && ctl3D_) {
    // The sunken client edge.
    drawSunkenEdge(painter, all);
  } else if (borderStyle_ == TBorderStyle::Single) {
    const QColor frame = toQColor(clWindowFrame);
    drawEdgeLines(painter, all, frame, frame);
  }

  const QRect inner = contentsRect();
  painter.setClipRect(inner);
  const QColor background = toQColor(color_);
  painter.fillRect(inner, background);
  // Grid lines are silver, or grey on a silver grid.
  const QColor lines = toQColor(colorToRGB(color_) == clSilver ? clGray : clSilver);
  const bool editing = editorShown() && isActiveControl();
  for (int row = 0; row < RowCount(); ++row) {
    const QRect cell = CellRect(0, row);
    if (cell.top() > inner.bottom()) break;
    const bool highlighted = row == row_ && !editing;
    painter.fillRect(cell, highlighted ? toQColor(clHighlight) : background);
    painter.fillRect(cell.right() + 1, cell.top(), GridLineWidth(), cell.height() + GridLineWidth(),
                     lines);
    painter.fillRect(cell.left(), cell.bottom() + 1, cell.width(), GridLineWidth(), lines);
    painter.save();
    painter.setClipRect(cell & inner);
    painter.setPen(toQColor(highlighted ? clHighlightText : fontColor_));
    painter.drawText(cell.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     cells_[row]);
    painter.restore();
  }
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  for (int row = 0; row < RowCount(); ++row) {
    if (CellRect(0, row).contains(at)) {
      setRow(row);
      break;
    }
  }
  if (editorShown()) editor_->setFocus(Qt::MouseFocusReason);
}

// While the editor is shown it has the focus, and what arrives here are
// keys it passed on: they go further up to the window.
void TStringGrid::keyPressEvent(QKeyEvent* event) {
  editorShown() ? event->ignore() : handleKeyPress(event);
}

void TStringGrid::keyReleaseEvent(QKeyEvent* event) {
  editorShown() ? event->ignore() : handleKeyRelease(event);
}

void TStringGrid::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) updateLook();
  QWidget::changeEvent(event);
}

void TStringGrid::resizeEvent(QResizeEvent*) {
  placeEditor();
}

}  // namespace paxamon
