#include "ui/platform/drawing.h"

#include <gtest/gtest.h>

#include "ui/platform/fonts.h"

namespace paxamon {
namespace {

TEST(Drawing, AcceleratorTextAndDisplayDepth) {
  EXPECT_EQ(accelChar(" &Ausführen"), QChar('A'));
  EXPECT_EQ(accelChar(" Das Kino &verlassen"), QChar('v'));
  EXPECT_TRUE(accelChar("Ende&").isNull());
  EXPECT_TRUE(accelChar("Ende").isNull());
  const QFont font = makeFont("MS Sans Serif", 11);
  EXPECT_GT(textExtent(font, "&Ende").width(), textExtent(font, "Ende").width());

  const auto draw = [&](const QString& text) {
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    drawAccelText(painter, QPoint(2, 2), text);
    return image;
  };
  EXPECT_NE(draw("a&&b"), draw("ab"));            // "&&" shows one "&"
  EXPECT_NE(draw("EndeEndeEnde"), draw("Ende"));  // not clipped to any box

  overrideDisplayColorDepth(8);
  EXPECT_EQ(displayColorDepth(), 8);
  overrideDisplayColorDepth(0);
  EXPECT_GE(displayColorDepth(), 16);
}

}  // namespace
}  // namespace paxamon
