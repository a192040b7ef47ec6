#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QWhatsThis>

#include "ui/help/contexthelp.h"
#include "ui/help/helpfile.h"
#include "ui/help/helpviewer.h"
#include "ui/platform/helpcontext.h"
#include "ui/platform/stringgrid.h"

namespace paxamon {
namespace {

QString programsHelpFile() {
  return QFileInfo(QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../../help/Paxamon.hlp"))
      .absoluteFilePath();
}

TEST(HelpFile, TheProgramsHelpFileHasEveryTopicItAsksFor) {
  const QString path = programsHelpFile();
  const auto file = HelpFile::load(path);
  ASSERT_TRUE(file.has_value()) << path.toStdString();
  for (const HelpFileError& error : file->errors())
    ADD_FAILURE() << "line " << error.line << ": " << error.message.toStdString();
  EXPECT_EQ(file->topics()[file->contentsTopic()].title, "Hilfe zu Paxamon");
  for (const int context : {100, 101, 103, 104, 105, 106, 107, 108, 200, 201, 202, 203, 204})
    EXPECT_GE(file->findContext(context), 0) << context;
  EXPECT_LT(file->findContext(102), 0);
  for (const char* mnemonic : {"LDA", "STA", "ADD", "SUB", "MUL", "DIV", "MOD", "JMP", "JAN", "JAZ",
                               "JXP", "NUL", "INC", "LDX", "STX", "END"}) {
    const auto found = file->findKeyword(QStringLiteral("Befehl, ") + mnemonic);
    ASSERT_EQ(found.size(), 1u) << mnemonic;
    EXPECT_TRUE(file->topics()[found[0]].title.startsWith(mnemonic)) << mnemonic;
  }
}

TEST(HelpFile, EveryTopicOfTheProgramsHelpIsInTheContentsAndTheIndex) {
  const auto file = HelpFile::load(programsHelpFile());
  ASSERT_TRUE(file.has_value());
  const int contents = file->contentsTopic();
  const QString links = file->topicHtml(contents);
  for (int i = 0; i < static_cast<int>(file->topics().size()); ++i) {
    const HelpTopic& topic = file->topics()[i];
    if (i != contents) {
      EXPECT_TRUE(links.contains(QStringLiteral("href=\"topic:%1\"").arg(i)))
          << topic.title.toStdString();
    }
    EXPECT_FALSE(topic.keywords.isEmpty()) << topic.title.toStdString();
  }
}

TEST(HelpFile, ParsesTopicsAndReportsMistakesWithTheirLines) {
  const HelpFile file = HelpFile::parse(QByteArray(
      "\xEF\xBB\xBF"
      "free header\n@topic First\r\n@context 7\n@keyword Befehl, LDA\n@rem a comment\n\n"
      "Two lines of\none paragraph, see [[Second|the second]].\n\n"
      "  LDA5 <code>\n@@ not a directive\n"
      "@topic Second\n@contents\n@context 7\n@context x\nText [[Nowhere]]\n@keyword late\n"
      "@bogus\n"));
  ASSERT_EQ(file.topics().size(), 2u);
  EXPECT_EQ(file.topics()[0].title, "First");
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
  EXPECT_EQ(HelpFile::parse(QStringLiteral("@topic L\nKeys:\n- Enter\n  inserts\n- F1\n"))
                .topicHtml(0, false),
            "<p>Keys:</p><ul><li>Enter inserts</li><li>F1</li></ul>");
}

TEST(HelpViewer, ServesTheThreeRequestsAndSaysWhatIsMissing) {
  QTemporaryDir folder;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(folder.path());
  HelpViewer& viewer = HelpViewer::instance();
  const auto restore = qScopeGuard([&] {
    viewer.closeAll();
    QApplication::processEvents();
    QDir::setCurrent(previous);
  });
  const auto boxText = [&] {
    auto* label =
        viewer.messageBox() ? viewer.messageBox()->findChild<QLabel*>("qt_msgbox_label") : nullptr;
    return label ? label->text() : QString();
  };
  QFile file(folder.filePath("Paxamon.hlp"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "@topic Inhalt\n@contents\nSee [[Laden]].\n@topic Laden\n@context 104\nLoads.\n"
      "@topic LDA\n@keyword Befehl, LDA\nLoads AK.\n");
  file.close();
  viewer.setHelpFile(".\\Paxamon.hlp");
  EXPECT_EQ(QFileInfo(viewer.resolvedPath()), QFileInfo(file));

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

  // A keyword without a topic leaves the index at the nearest entry, with
  // the keyword typed in; Enter shows that entry's topic.
  viewer.closeAll();
  QApplication::processEvents();
  viewer.showKeyword("Befehl, ");
  ASSERT_NE(viewer.helpWindow(), nullptr);
  EXPECT_EQ(viewer.messageBox(), nullptr);
  EXPECT_EQ(viewer.currentTopic(), 0);
  auto* search = viewer.helpWindow()->findChild<QLineEdit*>("search");
  EXPECT_EQ(search->text(), "Befehl, ");
  EXPECT_EQ(viewer.helpWindow()->findChild<QListWidget*>("index")->currentItem()->text(),
            "Befehl, LDA");
  QTest::keyClick(search, Qt::Key_Return);
  EXPECT_EQ(viewer.currentTopic(), 2);
  // Topic 0 (a menu item without a number) is the contents; Escape closes.
  viewer.showContext(0);
  EXPECT_EQ(viewer.currentTopic(), 0);
  EXPECT_EQ(viewer.popup(), nullptr);
  QTest::keyClick(viewer.helpWindow(), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(viewer.helpWindow(), nullptr);

  // What the file lacks, the viewer says in its own box; so also a missing file.
  viewer.showContext(999);
  EXPECT_TRUE(boxText().contains("Kontextnummer 999"));
  viewer.closeAll();
  QApplication::processEvents();
  viewer.setHelpFile("Fehlt.hlp");
  EXPECT_EQ(viewer.resolvedPath(), "");
  viewer.showContents();
  EXPECT_EQ(viewer.helpWindow(), nullptr);
  EXPECT_TRUE(boxText().contains("Fehlt.hlp"));
}

// F1 in a cell asks for "Befehl, " and the cell's first three characters:
// for an empty cell, a number and a typo the program's help has an entry
// that explains such a cell, or the next instruction.
TEST(HelpViewer, F1InACellWithoutAnInstructionFindsAnEntryThatExplainsIt) {
  HelpViewer& viewer = HelpViewer::instance();
  const auto restore = qScopeGuard([&] {
    viewer.closeAll();
    QApplication::processEvents();
  });
  viewer.setHelpFile(programsHelpFile());
  const std::pair<const char*, const char*> cases[] = {
      {"Befehl, ", "Befehl, ? (kein Befehl)"},    {"Befehl, 12", "Befehl, ? (kein Befehl)"},
      {"Befehl, -7", "Befehl, ? (kein Befehl)"},  {"Befehl, $FF", "Befehl, ? (kein Befehl)"},
      {"Befehl,  42", "Befehl, ? (kein Befehl)"}, {"Befehl, LAD", "Befehl, LDA"}};
  for (const auto& [keyword, entry] : cases) {
    viewer.showKeyword(keyword);
    ASSERT_NE(viewer.helpWindow(), nullptr);
    EXPECT_EQ(viewer.helpWindow()->findChild<QListWidget*>("index")->currentItem()->text(), entry)
        << keyword;
  }
  viewer.showKeyword("Befehl, ");
  QTest::keyClick(viewer.helpWindow()->findChild<QLineEdit*>("search"), Qt::Key_Return);
  const auto file = HelpFile::load(programsHelpFile());
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->topics()[viewer.currentTopic()].title, "F1 in einer Zelle ohne Befehl");
}

TEST(ContextHelp, F1AndShiftF1AskForTheNumberOfTheControlOrMenuItem) {
  installContextHelp();
  HelpRequestRecorder recorder;
  const auto contexts = [&] {
    std::vector<int> numbers;  // -1 for a keyword request
    for (const HelpRequest& request : recorder.requests())
      numbers.push_back(request.command == HelpCommand::ContextPopup ? request.context : -1);
    return numbers;
  };
  // A numbered box round an unnumbered field, an unnumbered field, and a
  // grid, which handles F1 itself.
  QWidget window;
  auto* box = new QWidget(&window);
  setHelpContext(box, 202);
  auto* field = new QLineEdit(box);
  auto* plain = new QLineEdit(&window);
  plain->move(0, 40);
  auto* grid = new TStringGrid(&window);
  grid->move(100, 0);
  setHelpContext(grid, 204);
  window.resize(200, 300);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const auto f1 = [](QWidget* focus, Qt::KeyboardModifiers mods = {}) {
    focus->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, mods);
  };

  f1(field);  // the box's number
  f1(plain);  // no number up to the window: nothing
  // A grid's key-down handler comes first; the memory grids hold their
  // context help back while a key is down and ask for a keyword instead.
  f1(grid);
  grid->OnKeyDown = [grid](Word& key, TShiftState) {
    setHelpContext(grid, 0);
    if (key == vk::F1) HelpViewer::instance().showKeyword("Befehl, LDA");
  };
  grid->OnKeyUp = [grid](Word&, TShiftState) { setHelpContext(grid, 204); };
  f1(grid);
  EXPECT_EQ(contexts(), (std::vector<int>{202, 204, -1}));
  EXPECT_EQ(recorder.requests().back().keyword, "Befehl, LDA");
  EXPECT_EQ(helpContext(grid), 204);

  // A highlighted menu item; one without a number asks for 0.
  recorder.clear();
  QMenu menu(&window);
  QAction* load = menu.addAction("Programm &laden");
  setHelpContext(load, 104);
  for (QAction* item : {load, menu.addAction("&Hilfe zu Paxamon")}) {
    menu.popup(window.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    menu.setActiveAction(item);
    QTest::keyClick(&menu, Qt::Key_F1);
    EXPECT_FALSE(menu.isVisible());
  }
  // Shift+F1, then a click on a control, a disabled one too.
  const auto leave = qScopeGuard([] {
    if (QWhatsThis::inWhatsThisMode()) QWhatsThis::leaveWhatsThisMode();
  });
  box->setEnabled(false);
  f1(plain, Qt::ShiftModifier);
  EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
  QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
  EXPECT_EQ(contexts(), (std::vector<int>{104, 0, 202}));
  EXPECT_EQ(recorder.requests().back().position, field->mapToGlobal(QPoint(3, 3)));
}

}  // namespace
}  // namespace paxamon
