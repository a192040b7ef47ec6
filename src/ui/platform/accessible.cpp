#include "ui/platform/accessible.h"

#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "ui/platform/controls.h"
#include "ui/platform/graphiccontrol.h"
#include "ui/platform/stringgrid.h"

namespace paxamon {

namespace {

QHash<QString, AccessibleMaker>& makers() {
  static QHash<QString, AccessibleMaker> registered;
  return registered;
}

QAccessibleInterface* factory(const QString& className, QObject* object) {
  const auto found = makers().constFind(className);
  return found != makers().cend() && object && object->isWidgetType() ? (*found)(object) : nullptr;
}

// --- labels, fields, group boxes -------------------------------------------------

class LabelAccessible : public ControlAccessible {
 public:
  explicit LabelAccessible(TLabel* label) : ControlAccessible(label, QAccessible::StaticText) {}

 protected:
  QString name() const override { return spokenCaption(label()->Caption()); }
  QString value() const override { return name(); }
  bool hasText() const override { return true; }

 private:
  TLabel* label() const { return static_cast<TLabel*>(widget()); }
};

// A register field: a read-only text, named after its label.
class EditAccessible : public ControlAccessible {
 public:
  explicit EditAccessible(TEdit* edit) : ControlAccessible(edit, QAccessible::EditableText) {}

  QAccessible::State state() const override {
    QAccessible::State s = ControlAccessible::state();
    s.readOnly = true;
    return s;
  }

 protected:
  QString value() const override { return static_cast<TEdit*>(widget())->shownText(); }
  bool hasText() const override { return true; }
};

class GroupBoxAccessible : public ControlAccessible {
 public:
  explicit GroupBoxAccessible(TGroupBox* box) : ControlAccessible(box, QAccessible::Grouping) {}

 protected:
  QString name() const override {
    return spokenCaption(static_cast<TGroupBox*>(widget())->Caption());
  }
};

// --- the string grid -------------------------------------------------------------

// One cell of a grid: a list item named by the grid, its value the text.
class GridCellAccessible : public QAccessibleInterface, public ReadOnlyText {
 public:
  GridCellAccessible(TStringGrid* grid, int row) : grid_(grid), row_(row) {}

  bool isValid() const override { return grid_ && row_ < grid_->RowCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(grid_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    if (!grid_) return {};
    if (t == QAccessible::Name) return grid_->CellName(row_);
    if (t == QAccessible::Value) return readOnlyText();
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QString readOnlyText() const override { return grid_ ? grid_->Cells(0, row_) : QString(); }

  QRect rect() const override {
    if (!grid_) return {};
    const QRect cell = grid_->CellRect(0, row_);
    return {grid_->mapToGlobal(cell.topLeft()), cell.size()};
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!grid_) return s;
    s.selectable = true;
    s.selected = row_ == grid_->Row();
    s.invisible = !grid_->isVisible();
    s.focused = s.selected && grid_->InplaceEditor()->hasFocus();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                              : nullptr;
  }

 private:
  QPointer<TStringGrid> grid_;
  int row_;
};

// The grid: a list of its cells, and the cell editor after them, which
// takes the name of the cell it edits.
class GridAccessible : public ControlAccessible {
 public:
  explicit GridAccessible(TStringGrid* grid) : ControlAccessible(grid, QAccessible::List) {}
  ~GridAccessible() override {
    for (QAccessibleInterface* cell : cells_) {
      if (cell) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
    }
  }

  int childCount() const override { return grid()->RowCount() + (editorShown() ? 1 : 0); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index > grid()->RowCount()) return nullptr;
    if (index == grid()->RowCount()) return editorShown() ? editor() : nullptr;
    if (cells_.size() < static_cast<std::size_t>(grid()->RowCount()))
      cells_.resize(static_cast<std::size_t>(grid()->RowCount()), nullptr);
    QAccessibleInterface*& cell = cells_[static_cast<std::size_t>(index)];
    if (!cell) {
      cell = new GridCellAccessible(grid(), index);
      QAccessible::registerAccessibleInterface(cell);
    }
    return cell;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    if (child == editor()) return editorShown() ? grid()->RowCount() : -1;
    const auto found = std::find(cells_.begin(), cells_.end(), child);
    return found == cells_.end() ? -1 : static_cast<int>(found - cells_.begin());
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = grid()->mapFromGlobal(QPoint(x, y));
    if (editorShown() && grid()->InplaceEditor()->geometry().contains(at)) return editor();
    for (int row = 0; row < grid()->RowCount(); ++row) {
      if (grid()->CellRect(0, row).contains(at)) return child(row);
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return grid()->InplaceEditor()->hasFocus() ? editor() : nullptr;
  }

 private:
  TStringGrid* grid() const { return static_cast<TStringGrid*>(widget()); }
  bool editorShown() const { return grid()->AlwaysShowEditor(); }
  QAccessibleInterface* editor() const {
    return QAccessible::queryAccessibleInterface(grid()->InplaceEditor());
  }

  mutable std::vector<QAccessibleInterface*> cells_;
};

}  // namespace

void registerAccessible(const char* className, AccessibleMaker maker) {
  static const bool installed = (QAccessible::installFactory(factory), true);
  Q_UNUSED(installed);
  makers().insert(QString::fromLatin1(className), maker);
}

void registerPlatformAccessibles() {
  static const bool registered = [] {
    registerAccessibleFor<TLabel, LabelAccessible>();
    registerAccessibleFor<TEdit, EditAccessible>();
    registerAccessibleFor<TGroupBox, GroupBoxAccessible>();
    registerAccessibleFor<TStringGrid, GridAccessible>();
    return true;
  }();
  Q_UNUSED(registered);
}

QString spokenCaption(const QString& caption) {
  QString spoken;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    spoken += caption[i];
  }
  return spoken.simplified();
}

void notifyNameChanged(QWidget* widget, int child) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(widget, QAccessible::NameChanged);
  if (child >= 0) event.setChild(child);
  QAccessible::updateAccessibility(&event);
}

void notifyTextChanged(QWidget* widget, const QString& oldText, const QString& newText, int child) {
  if (!QAccessible::isActive()) return;
  QAccessibleTextUpdateEvent event(widget, 0, oldText, newText);
  if (child >= 0) event.setChild(child);
  QAccessible::updateAccessibility(&event);
}

void notifyStateChanged(QWidget* widget, QAccessible::State changed, int child) {
  if (!QAccessible::isActive()) return;
  QAccessibleStateChangeEvent event(widget, changed);
  if (child >= 0) event.setChild(child);
  QAccessible::updateAccessibility(&event);
}

// --- ReadOnlyText ----------------------------------------------------------------

QString ReadOnlyText::text(int start, int end) const {
  const QString all = readOnlyText();
  if (end < 0 || end > all.size()) end = static_cast<int>(all.size());
  start = std::clamp(start, 0, end);
  return all.mid(start, end - start);
}

QString ReadOnlyText::attributes(int offset, int* start, int* end) const {
  Q_UNUSED(offset);
  *start = 0;
  *end = characterCount();
  return {};
}

// --- ControlAccessible -----------------------------------------------------------

ControlAccessible::ControlAccessible(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

QString ControlAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) {
    const QString own = widget()->accessibleName();
    return own.isEmpty() ? name() : own;
  }
  if (t == QAccessible::Value) return value();
  return QAccessibleWidget::text(t);
}

void* ControlAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) {
    return hasText() ? static_cast<QAccessibleTextInterface*>(this) : nullptr;
  }
  return QAccessibleWidget::interface_cast(type);
}

QStringList ControlAccessible::actionNames() const {
  QStringList names = QAccessibleWidget::actionNames();
  if (clickable()) names.prepend(pressAction());
  return names;
}

void ControlAccessible::doAction(const QString& action) {
  if (action != pressAction() || !clickable()) return QAccessibleWidget::doAction(action);
  // The answer goes out first: the click may run a program or open a
  // modal window.
  QPointer<QWidget> target(widget());
  QTimer::singleShot(0, target, [this, target] {
    if (target) click();
  });
}

bool ControlAccessible::clickable() const {
  const auto* control = qobject_cast<const TGraphicControl*>(widget());
  return control && control->isEnabled() && control->hasClickHandler();
}

void ControlAccessible::click() {
  if (auto* control = qobject_cast<TGraphicControl*>(widget())) control->performClick();
}

}  // namespace paxamon
