#include "ui/platform/textcodec.h"

#include <gtest/gtest.h>

namespace paxamon {
namespace {

TEST(TextCodec, ConvertsBothWaysAndMarksWhatTheSetLacks) {
  const std::string bytes = "\xC4\xD6\xDC\xE4\xF6\xFC\xDF \x80";
  EXPECT_EQ(fromCellText(bytes), QString::fromUtf8("ÄÖÜäöüß €"));
  EXPECT_EQ(toCellText(QString::fromUtf8("ÄÖÜäöüß €")), bytes);
  // Undefined bytes survive a round trip.
  EXPECT_EQ(toCellText(fromCellText("\x81\x8D\x8F\x90\x9D")), "\x81\x8D\x8F\x90\x9D");
  // A CJK character and an emoji (a surrogate pair) each give one "?",
  // never the Ctrl+Z that would end a program file.
  EXPECT_EQ(toCellText(QString::fromUtf8("a\u4E00b\U0001F600c")), "a?b?c");
  EXPECT_EQ(toCellText(QString(QChar(0x1A))), "\x1A");
}

}  // namespace
}  // namespace paxamon
