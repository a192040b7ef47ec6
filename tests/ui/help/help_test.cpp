#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "ui/help/helpfile.h"
#include "ui/help/helpviewer.h"

namespace paxamon {
namespace {

QString programsHelpFile() {
  return QFileInfo(QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../../help/Paxamon.hlp"))
      .absoluteFilePath();
}

TEST(HelpFile, TheProgramsHelpHasEveryTopicItAsksForInTheContentsAndTheIndex) {
  const auto file = HelpFile::load(programsHelpFile());
  ASSERT_TRUE(file.has_value());
  for (const HelpFileError& error : file->errors())
    ADD_FAILURE() << "line " << error.line << ": " << error.message.toStdString();
  for (const int context : {100, 101, 103, 104, 105, 106, 107, 108, 200, 201, 202, 203, 204})
    EXPECT_GE(file->findContext(context), 0) << context;
  for (const char* mnemonic : {"LDA", "STA", "ADD", "SUB", "MUL", "DIV", "MOD", "JMP", "JAN", "JAZ",
                               "JXP", "NUL", "INC", "LDX", "STX", "END"}) {
    const auto found = file->findKeyword(QStringLiteral("Befehl, ") + mnemonic);
    ASSERT_EQ(found.size(), 1u) << mnemonic;
    EXPECT_TRUE(file->topics()[found[0]].title.startsWith(mnemonic)) << mnemonic;
  }
  const int contents = file->contentsTopic();
  const QString links = file->topicHtml(contents);
  for (int i = 0; i < static_cast<int>(file->topics().size()); ++i) {
    const HelpTopic& topic = file->topics()[i];
    EXPECT_TRUE(i == contents || links.contains(QStringLiteral("href=\"topic:%1\"").arg(i)))
        << topic.title.toStdString();
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

// The viewer's index: the entry selected for a keyword, with it typed in.
QString indexEntry(HelpViewer& viewer, const QString& keyword) {
  viewer.showKeyword(keyword);
  if (!viewer.helpWindow()) return {};
  EXPECT_EQ(viewer.helpWindow()->findChild<QLineEdit*>("search")->text(), keyword);
  return viewer.helpWindow()->findChild<QListWidget*>("index")->currentItem()->text();
}

TEST(HelpViewer, FindsTheFileByAWindowsNameAndSaysWhatIsMissing) {
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
  file.write("@topic Inhalt\n@contents\n");
  file.close();
  viewer.setHelpFile(".\\Paxamon.hlp");
  EXPECT_EQ(QFileInfo(viewer.resolvedPath()), QFileInfo(file));
  viewer.showContents();
  EXPECT_EQ(viewer.messageBox(), nullptr);
  viewer.showContext(999);
  EXPECT_TRUE(boxText().contains("Kontextnummer 999"));
  viewer.setHelpFile("Fehlt.hlp");
  EXPECT_EQ(viewer.resolvedPath(), "");
  viewer.showContents();
  EXPECT_TRUE(boxText().contains("Fehlt.hlp"));
}

// An installed program takes its own help over one in the pupil's folder; a
// build tree, which has no installed data folder, takes the working folder's
// over its own copy.
TEST(HelpViewer, InstalledHelpFirstWorkingFolderFirstInABuildTree) {
  QTemporaryDir root;
  const QString bin = root.filePath("prefix/bin");
  const QString work = root.filePath("work");
  const auto place = [](const QString& folder) {
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath("Paxamon.hlp"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return QFileInfo(file);
  };
  const QFileInfo inWork = place(work);
  const QFileInfo besideProgram = place(bin);
  EXPECT_EQ(QFileInfo(locateHelpFile("Paxamon.hlp", work, bin)), inWork);
  const QFileInfo installed = place(installedDataFolder(bin));
  EXPECT_TRUE(installed.absoluteFilePath().startsWith(root.filePath("prefix/")));
  EXPECT_EQ(QFileInfo(locateHelpFile("Paxamon.hlp", work, bin)), installed);
  EXPECT_EQ(QFileInfo(locateHelpFile(besideProgram.absoluteFilePath(), work, bin)), besideProgram);
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
  for (const char* keyword : {"Befehl, ", "Befehl, 12", "Befehl, -7", "Befehl, $FF", "Befehl,  42"})
    EXPECT_EQ(indexEntry(viewer, keyword), "Befehl, ? (kein Befehl)") << keyword;
  EXPECT_EQ(indexEntry(viewer, "Befehl, LAD"), "Befehl, LDA");
}

}  // namespace
}  // namespace paxamon
