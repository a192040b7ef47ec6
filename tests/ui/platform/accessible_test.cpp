// What assistive technology reads of the platform's controls.
#include "ui/platform/accessible.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "ui/platform/controls.h"
#include "ui/platform/stringgrid.h"

namespace paxamon {
namespace {

QAccessibleInterface* accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

QString textOf(QAccessibleInterface* iface) {
  QAccessibleTextInterface* text = iface ? iface->textInterface() : nullptr;
  return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
}

TEST(Accessible, CaptionsAsSpokenAndTextsReadInParts) {
  EXPECT_EQ(spokenCaption(QStringLiteral("  &Ausführen &&  mehr ")), "Ausführen & mehr");
  QWidget window;
  auto* label = new TLabel(&window);
  // Without a click handler a label offers nothing to press.
  EXPECT_FALSE(accessible(label)->actionInterface()->actionNames().contains(
      QAccessibleActionInterface::pressAction()));
  auto* field = new TEdit(&window);
  field->setUpperCase(true);
  field->setText(QStringLiteral("lda12"));
  QAccessibleTextInterface* text = accessible(field)->textInterface();
  EXPECT_EQ(text->text(1, 3), "DA");
  EXPECT_EQ(text->text(3, 99), "12");
  EXPECT_EQ(text->text(-1, -1), "LDA12");
}

TEST(Accessible, AGridIsAListOfNamedCellsAndItsEditorFollowsTheCurrentCell) {
  QWidget window;
  auto* grid = new TStringGrid(&window);
  grid->setGeometry(QRect(QPoint(0, 0), grid->sizeHint()));
  QStringList names;
  for (int row = 0; row < 16; ++row)
    names << QStringLiteral("Zelle %1").arg(16 + row);
  grid->setCellNames(names);
  grid->setCells(0, 3, QStringLiteral("LDA12"));
  window.show();

  QAccessibleInterface* list = accessible(grid);
  EXPECT_EQ(list->role(), QAccessible::List);
  ASSERT_EQ(list->childCount(), 17);  // the cells, then the editor
  QAccessibleInterface* cell = list->child(3);
  EXPECT_EQ(cell->role(), QAccessible::ListItem);
  EXPECT_EQ(cell->text(QAccessible::Name), "Zelle 19");
  EXPECT_EQ(cell->text(QAccessible::Value), "LDA12");
  EXPECT_EQ(textOf(cell), "LDA12");
  EXPECT_EQ(cell->parent(), list);
  EXPECT_EQ(list->indexOfChild(cell), 3);
  EXPECT_EQ(list->child(3), cell);  // the same object each time
  EXPECT_FALSE(cell->state().selected);
  EXPECT_EQ(list->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);

  QAccessibleInterface* editor = list->child(16);
  EXPECT_EQ(editor, accessible(grid->InplaceEditor()));
  EXPECT_EQ(list->indexOfChild(editor), 16);
  EXPECT_EQ(editor->text(QAccessible::Name), "Zelle 16");
  grid->setRow(3);
  EXPECT_TRUE(cell->state().selected);
  EXPECT_EQ(editor->text(QAccessible::Name), "Zelle 19");
  EXPECT_EQ(textOf(editor), "LDA12");
}

}  // namespace
}  // namespace paxamon
