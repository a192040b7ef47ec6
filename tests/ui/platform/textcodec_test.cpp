#include "ui/platform/textcodec.h"

#include <gtest/gtest.h>

namespace paxamon {
namespace {

TEST(TextCodec, UmlautsAndEuroCrossBothWays) {
  const std::string bytes = "\xC4\xD6\xDC\xE4\xF6\xFC\xDF \x80";
  const QString text = QString::fromUtf8("ÄÖÜäöüß €");
  EXPECT_EQ(fromCellText(bytes), text);
  EXPECT_EQ(toCellText(text), bytes);
}

TEST(TextCodec, CharactersOutsideTheSetBecomeQuestionMarks) {
  // A CJK character and an emoji (a surrogate pair) each give one "?",
  // never the Ctrl+Z that would end a program file.
  EXPECT_EQ(toCellText(QString::fromUtf8("a\u4E00b\U0001F600c")), "a?b?c");
  EXPECT_EQ(toCellText(QString(QChar(0x1A))), "\x1A");
}

TEST(TextCodec, UndefinedBytesSurviveARoundTrip) {
  const std::string bytes = "\x81\x8D\x8F\x90\x9D";
  EXPECT_EQ(toCellText(fromCellText(bytes)), bytes);
}

}  // namespace
}  // namespace paxamon
