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

TEST_F(StringGridTest, TheEditorFollowsTheCellAndKeepsTextsWhole) {
  EXPECT_EQ(QApplication::focusWidget(), editor());
  type("lda12");
  press(Qt::Key_Backspace);
  EXPECT_EQ(first_->Cells(0, 0), "lda1");
  first_->setCells(0, 0, "END");
  first_->setCells(0, 5, "42");
  EXPECT_EQ(editor()->text(), "END");

  // Arriving on a cell selects its text, so the first key replaces it.
  first_->setRow(5);
  EXPECT_EQ(editor()->selectedText(), "42");
  EXPECT_EQ(editor()->geometry(), first_->CellRect(0, 5));
  type("7");
  EXPECT_EQ(first_->Cells(0, 5), "7");
  // caretToEnd drops the selection, so typing appends.
  first_->setRow(0);
  first_->caretToEnd();
  type("E");
  EXPECT_EQ(first_->Cells(0, 0), "ENDE");

  // A loaded file may put such texts into a cell; they must come back whole.
  const QString lines = "a\nb\nc", longText(40000, u'x');
  first_->setCells(0, 0, lines);
  first_->setCells(0, 1, longText);
  first_->setRow(1);
  first_->setRow(0);
  EXPECT_EQ(first_->Cells(0, 0), lines);
  EXPECT_EQ(first_->Cells(0, 1), longText);
  first_->setCells(0, 16, "x");  // outside the grid: nothing stored
  first_->setCells(1, 0, "x");
  EXPECT_EQ(first_->Cells(0, 16), "");
  EXPECT_EQ(first_->Cells(0, 0), lines);
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

TEST_F(StringGridTest, HandlersSwallowReplaceAndConsumeKeys) {
  first_->OnKeyPress = [](char32_t& c) {
    if (c == U'x' || c == 22) c = 0;  // 22: Ctrl+V
    if (c == U'u') c = U'U';
  };
  type("axuxb");
  QGuiApplication::clipboard()->setText("pasted");
  press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(first_->Cells(0, 0), "aUb");

  // The clipboard keys work when not swallowed; only the first line of
  // the clipboard comes in.
  first_->OnKeyPress = nullptr;
  QGuiApplication::clipboard()->setText("LDA5\r\nEND");
  press(Qt::Key_V, Qt::ControlModifier);
  press(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(first_->Cells(0, 0), "aUbLDA5LDA5");
  press(Qt::Key_A, Qt::ControlModifier);
  press(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(first_->Cells(0, 0), "");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "aUbLDA5LDA5");

  // A consumed key down skips the grid's action, but its character still
  // comes to the key-press handler and the editor; a replaced key acts as
  // the new key.
  first_->OnKeyDown = [](Word& key, TShiftState) {
    if (key == vk::Down || key == 'Q') key = 0;
    if (key == vk::Right) key = vk::Down;
  };
  press(Qt::Key_Down);
  EXPECT_EQ(first_->Row(), 0);
  type("q");
  EXPECT_EQ(first_->Cells(0, 0), "q");
  press(Qt::Key_Right);
  EXPECT_EQ(first_->Row(), 1);
}

TEST_F(StringGridTest, ArrowsStayInTheGridTabAndClicksMoveBetweenGrids) {
  const auto rowAfter = [&](Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    press(key, mods);
    return first_->Row();
  };
  EXPECT_EQ(rowAfter(Qt::Key_PageDown), 15);
  EXPECT_EQ(rowAfter(Qt::Key_Down), 15);
  EXPECT_EQ(rowAfter(Qt::Key_Up), 14);
  EXPECT_EQ(rowAfter(Qt::Key_PageUp), 0);
  EXPECT_EQ(rowAfter(Qt::Key_Up), 0);
  EXPECT_EQ(rowAfter(Qt::Key_End, Qt::ControlModifier), 15);
  EXPECT_EQ(second_->Row(), 0);

  std::vector<Word> downs;
  first_->OnKeyDown = [&](Word& key, TShiftState) { downs.push_back(key); };
  press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), second_->InplaceEditor());
  EXPECT_EQ(downs, std::vector<Word>{vk::Tab});
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), editor());

  // A click on a cell moves there and focuses the grid.
  second_->setFocus();
  QTest::mouseClick(first_, Qt::LeftButton, {}, first_->CellRect(0, 3).center());
  EXPECT_EQ(first_->Row(), 3);
  EXPECT_EQ(QApplication::focusWidget(), editor());
}

TEST_F(StringGridTest, TheUnfocusedGridShowsItsCurrentCellHighlighted) {
  second_->setCells(0, 2, "LDA5");
  second_->setRow(2);
  const QPoint inCell = second_->CellRect(0, 2).topLeft() + QPoint(70, 1);
  EXPECT_EQ(second_->grab().toImage().pixelColor(inCell), toQColor(clHighlight));
  second_->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(second_->grab().toImage().pixelColor(inCell), toQColor(clWindow));
  EXPECT_EQ(first_->grab().toImage().pixelColor(first_->CellRect(0, 0).topLeft() + QPoint(70, 1)),
            toQColor(clHighlight));
}

}  // namespace
}  // namespace paxamon
