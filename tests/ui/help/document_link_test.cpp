// Links from the help to a document: their HTML, the names refused, and the
// program's contents linking to the reference card.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "ui/help/helpfile.h"

namespace paxamon {
namespace {

TEST(HelpFile, LinksToADocumentByAFileNameWithoutFolders) {
  const HelpFile file = HelpFile::parse(QStringLiteral(
      "@topic A\nSee [[Datei: Karte 1.pdf|the <card>]],\n[[Datei:../x.pdf]] and [[Datei:]].\n"));
  EXPECT_EQ(file.topicHtml(0, false),
            "<p>See <a href=\"document:Karte%201.pdf\">the &lt;card&gt;</a>, "
            "Datei:../x.pdf and Datei:.</p>");
  ASSERT_EQ(file.errors().size(), 2u);
  for (const HelpFileError& error : file.errors()) {
    EXPECT_EQ(error.line, 1);
    EXPECT_TRUE(error.message.startsWith("a document link needs a file name"));
  }

  const auto help = HelpFile::load(
      QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../../help/Paxamon.hlp"));
  ASSERT_TRUE(help.has_value());
  EXPECT_TRUE(help->topicHtml(help->contentsTopic())
                  .contains("<a href=\"document:Kurzreferenz.pdf\">Kurzreferenz</a>"));
}

}  // namespace
}  // namespace paxamon
