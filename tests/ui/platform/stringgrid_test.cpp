#include "ui/platform/stringgrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <string>
#include <vector>

namespace paxamon {
namespace {

// A window with two grids side by side, the first one focused.
class StringGridTest : public testing::Test {
 protected:
  void SetUp() override {
    first_->setGeometry(QRect(QPoint(0, 0), first_->sizeHint()));
    second_->setGeometry(QRect(QPoint(100, 0), second_->sizeHint()));
    window_.resize(200, 300);
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    first_->setFocus();
  }
  QLineEdit* editor() const { return first_->InplaceEditor(); }
  void type(const QString& keys) { QTest::keyClicks(editor(), keys); }
  void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, mods);
  }

  QWidget window_;
  TStringGrid* first_ = new TStringGrid(&window_);
  TStringGrid* second_ = new TStringGrid(&window_);
};

TEST_F(StringGridTest, TheEditorFollowsTheCellAndKeepsLongTextsWhole) {
  type("lda12");
  press(Qt::Key_Backspace);
  EXPECT_EQ(first_->Cells(0, 0), "lda1");
  const QString longText(40000, u'x');  // a loaded file may hold such a text
  first_->setCells(0, 5, longText);
  first_->setRow(5);
  EXPECT_EQ(first_->Cells(0, 5), longText);
  EXPECT_EQ(editor()->geometry(), first_->CellRect(0, 5));
  // Arriving on a cell selects its text, so the first key replaces it.
  type("7");
  EXPECT_EQ(first_->Cells(0, 5), "7");
}

TEST_F(StringGridTest, CallbacksComeInPlatformOrderBeforeTheEditorActs) {
  // Logged as "down 65", "press a ()" with the cell's text at the press, "up 65".
  std::vector<std::string> log;
  first_->OnKeyDown = [&](Word& key, TShiftState) { log.push_back("down " + std::to_string(key)); };
  first_->OnKeyPress = [&](char32_t& c) {
    log.push_back((c < 32 ? "press #" + std::to_string(c) : "press " + std::string(1, char(c))) +
                  " (" + first_->Cells(0, 0).toStdString() + ")");
  };
  first_->OnKeyUp = [&](Word& key, TShiftState) { log.push_back("up " + std::to_string(key)); };
  for (Qt::Key key :
       {Qt::Key_A, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_F1, Qt::Key_Return, Qt::Key_Escape})
    press(key);
  press(Qt::Key_V, Qt::ControlModifier);  // QTest presses Ctrl around the V
  const std::vector<std::string> expected = {
      "down 65",      "press a ()", "up 65",   "down 8",  "press #8 (a)", "up 8",  "down 46",
      "up 46",        "down 112",   "up 112",  "down 13", "press #13 ()", "up 13", "down 27",
      "press #27 ()", "up 27",      "down 17", "down 86", "press #22 ()", "up 86", "up 17"};
  EXPECT_EQ(log, expected);
}

TEST_F(StringGridTest, TheKeyPressHandlerSwallowsOrReplacesCharacters) {
  first_->OnKeyPress = [](char32_t& c) {
    if (c == U'x' || c == 22) c = 0;  // 22: Ctrl+V
    if (c == U'u') c = U'U';
  };
  type("axuxb");
  QGuiApplication::clipboard()->setText("pasted");
  press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(first_->Cells(0, 0), "aUb");
  // Not swallowed, both paste keys bring in the clipboard's first line only.
  first_->OnKeyPress = nullptr;
  QGuiApplication::clipboard()->setText("LDA5\r\nEND");
  press(Qt::Key_V, Qt::ControlModifier);
  press(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(first_->Cells(0, 0), "aUbLDA5LDA5");
}

TEST_F(StringGridTest, TheCurrentCellOfTheUnfocusedGridShowsHighlighted) {
  const auto inCell = [](TStringGrid* grid, int row) {
    return grid->grab().toImage().pixelColor(grid->CellRect(0, row).topLeft() + QPoint(70, 1));
  };
  EXPECT_EQ(inCell(second_, 0), toQColor(clHighlight));
  EXPECT_EQ(inCell(first_, 0), toQColor(clWindow));
  // A click on a cell moves there and focuses the grid.
  QTest::mouseClick(second_, Qt::LeftButton, {}, second_->CellRect(0, 3).center());
  QApplication::processEvents();
  EXPECT_EQ(second_->Row(), 3);
  EXPECT_EQ(QApplication::focusWidget(), second_->InplaceEditor());
  EXPECT_EQ(inCell(second_, 3), toQColor(clWindow));
  EXPECT_EQ(inCell(first_, 0), toQColor(clHighlight));
}

}  // namespace
}  // namespace paxamon
