#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QWhatsThis>

#include "ui/platform/contexthelp.h"
#include "ui/platform/helpfile.h"
#include "ui/platform/helpviewer.h"
#include "ui/platform/stringgrid.h"

namespace paxamon {
namespace {

QString realHelpFile() {
  return QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../../help/Paxamon.hlp");
}

TEST(HelpFile, TheProgramsHelpFileHasEveryTopicItAsksFor) {
  const auto file = HelpFile::load(realHelpFile());
  ASSERT_TRUE(file.has_value()) << realHelpFile().toStdString();
  for (const HelpFileError& error : file->errors()) {
    ADD_FAILURE() << "line " << error.line << ": " << error.message.toStdString();
  }
  EXPECT_EQ(file->topics()[file->contentsTopic()].title, "Hilfe zu Paxamon");
  for (const int context : {100, 101, 103, 104, 105, 106, 107, 108, 200, 201, 202, 203, 204}) {
    EXPECT_GE(file->findContext(context), 0) << context;
  }
  EXPECT_LT(file->findContext(102), 0);
  for (const char* mnemonic : {"LDA", "STA", "ADD", "SUB", "MUL", "DIV", "MOD", "JMP", "JAN", "JAZ",
                               "JXP", "NUL", "INC", "LDX", "STX", "END"}) {
    const auto found = file->findKeyword(QStringLiteral("Befehl, ") + mnemonic);
    ASSERT_EQ(found.size(), 1u) << mnemonic;
    EXPECT_TRUE(file->topics()[found[0]].title.startsWith(mnemonic)) << mnemonic;
  }
}

TEST(HelpFile, ParsesTopicsAndReportsMistakesWithTheirLines) {
  const QByteArray text =
      "\xEF\xBB\xBF"
      "free header\n"
      "@topic First\r\n"
      "@context 7\n"
      "@keyword Befehl, LDA\n"
      "@rem a comment\n"
      "\n"
      "Two lines of\n"
      "one paragraph, see [[Second|the second]].\n"
      "\n"
      "  LDA5 <code>\n"
      "@@ not a directive\n"
      "@topic Second\n"
      "@contents\n"
      "@context 7\n"
      "@context x\n"
      "Text [[Nowhere]]\n"
      "@keyword late\n"
      "@bogus\n";
  const HelpFile file = HelpFile::parse(text);
  ASSERT_EQ(file.topics().size(), 2u);
  const HelpTopic& first = file.topics()[0];
  EXPECT_EQ(first.title, "First");
  EXPECT_EQ(first.contexts, std::vector<int>{7});
  EXPECT_EQ(first.lines.size(), 5);
  EXPECT_EQ(first.lines.back(), "@ not a directive");
  EXPECT_EQ(file.contentsTopic(), 1);
  EXPECT_EQ(file.findContext(7), 0);
  EXPECT_EQ(file.findKeyword("befehl, lda"), std::vector<int>{0});
  EXPECT_TRUE(file.findKeyword("Befehl, ÄBC").empty());

  std::vector<int> lines;
  for (const HelpFileError& error : file.errors())
    lines.push_back(error.line);
  // "@context x", "@keyword" after the text, "@bogus", the taken context
  // and the dead link (both reported at their topic).
  EXPECT_EQ(lines, (std::vector<int>{15, 17, 18, 12, 12}));

  const QString html = file.topicHtml(0);
  EXPECT_TRUE(
      html.contains("<p>Two lines of one paragraph, see <a href=\"topic:1\">the second</a>.</p>"))
      << html.toStdString();
  EXPECT_TRUE(html.contains("<pre>  LDA5 &lt;code&gt;</pre><p>@ not a directive</p>"))
      << html.toStdString();
  const HelpFile list =
      HelpFile::parse(QStringLiteral("@topic L\nKeys:\n- Enter\n  inserts\n- F1\n"));
  EXPECT_TRUE(list.topicHtml(0, false) == "<p>Keys:</p><ul><li>Enter inserts</li><li>F1</li></ul>")
      << list.topicHtml(0, false).toStdString();
}

// A help file in a temporary working directory, the viewer's windows closed
// after each test.
class HelpViewerTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    previous_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    HelpViewer::instance().setHelpFile(".\\Paxamon.hlp");
  }
  void TearDown() override {
    HelpViewer::instance().closeAll();
    QApplication::processEvents();
    QDir::setCurrent(previous_);
  }
  void write(const QByteArray& text) {
    QFile file(folder_.filePath("Paxamon.hlp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  static QString messageText() {
    auto* box = HelpViewer::instance().messageBox();
    auto* label = box ? box->findChild<QLabel*>("qt_msgbox_label") : nullptr;
    return label ? label->text() : QString();
  }

  QTemporaryDir folder_;
  QString previous_;
};

TEST_F(HelpViewerTest, ServesTheThreeRequestsFromTheWorkingDirectory) {
  write(
      "@topic Inhalt\n@contents\nSee [[Laden]].\n"
      "@topic Laden\n@context 104\nLoads.\n"
      "@topic LDA\n@keyword Befehl, LDA\nLoads AK.\n");
  HelpViewer& viewer = HelpViewer::instance();
  EXPECT_EQ(QFileInfo(viewer.resolvedPath()), QFileInfo(folder_.filePath("Paxamon.hlp")));

  viewer.showContents();
  ASSERT_NE(viewer.helpWindow(), nullptr);
  EXPECT_TRUE(viewer.helpWindow()->isVisible());
  EXPECT_EQ(viewer.currentTopic(), 0);

  viewer.showKeyword("befehl, lda");
  EXPECT_EQ(viewer.currentTopic(), 2);
  EXPECT_EQ(viewer.helpWindow()->findChild<QLineEdit*>("search")->text(), "befehl, lda");

  viewer.showContext(104, QPoint(40, 50));
  ASSERT_NE(viewer.popup(), nullptr);
  EXPECT_TRUE(viewer.popup()->isVisible());
  EXPECT_EQ(viewer.popup()->pos(), QPoint(40, 50));
  EXPECT_TRUE(viewer.popup()->findChild<QLabel*>("text")->text().contains("Loads."));
  QTest::keyClick(viewer.popup(), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(viewer.popup(), nullptr);
  EXPECT_EQ(viewer.messageBox(), nullptr);

  // What the file lacks, the viewer says in its own box.
  viewer.showContext(0);
  EXPECT_TRUE(messageText().contains("Kontextnummer 0"));
  viewer.showKeyword("Befehl, ÄBC");
  EXPECT_TRUE(messageText().contains("„Befehl, ÄBC“"));
}

TEST_F(HelpViewerTest, AMissingFileIsReportedByTheViewer) {
  HelpViewer& viewer = HelpViewer::instance();
  viewer.setHelpFile("Fehlt.hlp");
  EXPECT_EQ(viewer.resolvedPath(), "");
  viewer.showContents();
  EXPECT_EQ(viewer.helpWindow(), nullptr);
  EXPECT_TRUE(messageText().contains("Fehlt.hlp"));
}

// A window with numbered and unnumbered controls and a menu.
class ContextHelpTest : public testing::Test {
 protected:
  void SetUp() override {
    installContextHelp();
    window_ = std::make_unique<QWidget>();
    setHelpContext(window_.get(), 0);
    box_ = new QWidget(window_.get());
    setHelpContext(box_, 202);
    field_ = new QLineEdit(box_);
    plain_ = new QLineEdit(window_.get());
    plain_->move(0, 40);
    own_ = new QLineEdit(window_.get());
    own_->move(0, 80);
    setHelpContext(own_, 204);
    setHandlesF1(own_, true);
    window_->resize(200, 200);
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }
  void TearDown() override {
    if (QWhatsThis::inWhatsThisMode()) QWhatsThis::leaveWhatsThisMode();
  }
  void f1(QWidget* focus) {
    focus->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  }

  HelpRequestRecorder recorder_;
  std::unique_ptr<QWidget> window_;
  QWidget* box_ = nullptr;
  QLineEdit* field_ = nullptr;
  QLineEdit* plain_ = nullptr;
  QLineEdit* own_ = nullptr;
};

TEST_F(ContextHelpTest, F1AsksForTheFocusedControlsNumberOrItsParents) {
  f1(field_);
  f1(plain_);  // no number up to the window: nothing
  bool ownKey = false;
  struct KeyWatch : QObject {
    bool* seen;
    explicit KeyWatch(bool* s) : seen(s) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1)
        *seen = true;
      return false;
    }
  } watch(&ownKey);
  own_->installEventFilter(&watch);
  f1(own_);  // handles F1 itself
  EXPECT_TRUE(ownKey);
  ASSERT_EQ(recorder_.requests().size(), 1u);
  EXPECT_EQ(recorder_.requests()[0].command, HelpCommand::ContextPopup);
  EXPECT_EQ(recorder_.requests()[0].context, 202);
}

TEST_F(ContextHelpTest, AGridsKeyDownHandlerComesBeforeItsContextHelp) {
  auto* grid = new TStringGrid(window_.get());
  grid->move(100, 0);
  grid->show();
  setHelpContext(grid, 204);
  f1(grid);
  ASSERT_EQ(recorder_.requests().size(), 1u);
  EXPECT_EQ(recorder_.requests()[0].context, 204);

  // The memory grids hold their context help back while a key is down and
  // ask for a keyword instead.
  grid->OnKeyDown = [grid](Word& key, TShiftState) {
    setHelpContext(grid, 0);
    if (key == vk::F1) HelpViewer::instance().showKeyword("Befehl, LDA");
  };
  grid->OnKeyUp = [grid](Word&, TShiftState) { setHelpContext(grid, 204); };
  f1(grid);
  ASSERT_EQ(recorder_.requests().size(), 2u);
  EXPECT_EQ(recorder_.requests()[1].command, HelpCommand::Keyword);
  EXPECT_EQ(recorder_.requests()[1].keyword, "Befehl, LDA");
  EXPECT_EQ(helpContext(grid), 204);
}

TEST_F(ContextHelpTest, F1OnAHighlightedMenuItemAsksForItsNumber) {
  QMenu menu(window_.get());
  QAction* load = menu.addAction("Programm &laden");
  setHelpContext(load, 104);
  QAction* help = menu.addAction("&Hilfe zu Paxamon");
  for (QAction* item : {load, help}) {
    menu.popup(window_->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    menu.setActiveAction(item);
    QTest::keyClick(&menu, Qt::Key_F1);
    EXPECT_FALSE(menu.isVisible());
  }
  ASSERT_EQ(recorder_.requests().size(), 2u);
  EXPECT_EQ(recorder_.requests()[0].context, 104);
  EXPECT_EQ(recorder_.requests()[1].context, 0);
}

TEST_F(ContextHelpTest, ShiftF1ThenAClickAsksForTheClickedControl) {
  box_->setEnabled(false);  // a disabled control has help too
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
  QTest::mouseClick(field_, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
  ASSERT_EQ(recorder_.requests().size(), 1u);
  EXPECT_EQ(recorder_.requests()[0].context, 202);
  EXPECT_EQ(recorder_.requests()[0].position, field_->mapToGlobal(QPoint(3, 3)));
}

}  // namespace
}  // namespace paxamon
