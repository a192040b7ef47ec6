#include "ui/components/ArtLabel.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QSet>
#include <QTest>

#include "ui/platform/drawing.h"
#include "ui/platform/fonts.h"

namespace paxamon {
namespace {

// Distinct colours, so every pixel tells which pass drew it.
constexpr TColor kFace = rgbColor(100, 100, 100);  // light 164, dark 36
constexpr TColor kLight = rgbColor(164, 164, 164), kDark = rgbColor(36, 36, 36);
constexpr TColor kText = rgbColor(255, 0, 0), kShadow = rgbColor(0, 255, 0);
constexpr TColor kOutline = rgbColor(0, 0, 255), kParent = rgbColor(255, 0, 255);
using Colors = QSet<TColor>;

QImage shot(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

Colors colorsOf(const QImage& image) {
  Colors colors;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      colors.insert(fromQColor(QColor(image.pixel(x, y))));
  return colors;
}

// The colour of the first pixel, row by row, that is not background.
TColor firstDrawn(const QImage& image, TColor background) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (fromQColor(QColor(image.pixel(x, y))) != background)
        return fromQColor(QColor(image.pixel(x, y)));
  return background;
}

// Gives a label the test colours, a caption and room for it.
void dress(TArtLabel& label, TArtStyle style) {
  label.resize(150, 44);
  label.setColor(kFace);
  label.setFontColor(kText);
  label.setShadowColor(kShadow);
  label.setOutlineColor(kOutline);
  label.setCaption(QStringLiteral("Paxa"));
  label.setArtStyle(style);
}

QImage styled(TArtStyle style, const QImage& bitmap = {}) {
  TArtLabel label;
  dress(label, style);
  label.setBitmap(bitmap);
  return shot(label);
}

TEST(TArtLabelTest, StylesAndTheirPrecedence) {
  // The shadow first, the raised look over it (light above), the text on
  // top; sunk turns the 3-D colours round. Without a style only the
  // background shows.
  const QImage raised = styled({asShadow, as3DRaise}, {});
  EXPECT_EQ(colorsOf(raised), (Colors{kFace, kShadow, kLight, kDark, kText}));
  EXPECT_EQ(firstDrawn(raised, kFace), kLight);
  EXPECT_EQ(firstDrawn(raised.mirrored(false, true), kFace), kShadow);
  const QImage sunk = styled({as3DSunk});
  EXPECT_EQ(colorsOf(sunk), (Colors{kFace, kLight, kDark, kText}));
  EXPECT_EQ(firstDrawn(sunk, kFace), kDark);
  EXPECT_EQ(colorsOf(styled({asOutlined})), (Colors{kFace, kOutline, kText}));
  EXPECT_EQ(colorsOf(styled(TArtStyle{})), Colors{kFace});

  // The outline wins over both 3-D looks, sunk over raised.
  EXPECT_EQ(styled({asOutlined, as3DSunk, as3DRaise}), styled({asOutlined}));
  EXPECT_EQ(styled({as3DSunk, as3DRaise}), sunk);

  // The gradient wins over both bitmaps, the fitted bitmap over the plain,
  // which is not stretched: beyond its 8 pixels the glyphs are black.
  QImage bitmap(8, 100, QImage::Format_RGB32);
  bitmap.fill(qRgb(0, 128, 128));
  const QImage filled = styled({asGradient}, {});
  EXPECT_EQ(styled({asGradient, asBitmapFit, asBitmap}, bitmap), filled);
  EXPECT_EQ(colorsOf(styled({asBitmapFit, asBitmap}, bitmap)), (Colors{kFace, clTeal}));
  EXPECT_EQ(colorsOf(styled({asBitmap}, bitmap)), (Colors{kFace, clTeal, clBlack}));

  // The gradient runs over the glyphs and covers them whole.
  EXPECT_GE(colorsOf(filled).size(), 8);
  EXPECT_FALSE(colorsOf(filled).contains(kText));
}

TEST(TArtLabelTest, TextPositionAndAutoSize) {
  TArtLabel label;
  label.setCaption(QStringLiteral("Wg"));
  const QSize text = textExtent(label.font(), QStringLiteral("Wg"));
  label.resize(100, 10);  // lower than the text
  EXPECT_EQ(label.textPosition(label.size()), QPoint(2, 2));
  label.setTextAlign(TAlignment::taCenter);
  EXPECT_EQ(label.textPosition(label.size()), QPoint((100 - text.width()) / 2, 0));
  label.setTextAlign(TAlignment::taRightJustify);
  label.resize(20, 60);  // narrower than the text: cut on the left
  EXPECT_EQ(label.textPosition(label.size()),
            QPoint(20 - text.width() - 2, (60 - text.height()) / 2));

  // AutoSize takes the size at the next paint: 4 more than the caption.
  label.setCaption(QStringLiteral("Art Label"));
  label.setAutoSize(true);
  shot(label);
  EXPECT_EQ(label.size(), QSize(textExtent(label.font(), QStringLiteral("Art Label")).width() + 4,
                                text.height() + 4));
}

TEST(TArtLabelTest, TransparentShowsOnlyTheMaskedPasses) {
  QWidget parent;  // its own colour shows wherever the label lets it through
  parent.resize(160, 50);
  parent.setAutoFillBackground(true);
  parent.setPalette(QPalette(toQColor(kParent)));
  auto* label = new TArtLabel(&parent);
  dress(*label, {asShadow, asGradient});
  label->move(5, 3);
  label->gradient()->setColorCount(1);  // the glyphs all silver
  label->setTransparent(true);
  EXPECT_EQ(colorsOf(shot(parent)), (Colors{kParent, kShadow, clSilver}));

  // Our reading of the open point: a fill alone still marks its glyphs.
  label->setArtStyle({asGradient});
  EXPECT_EQ(colorsOf(shot(parent)), (Colors{kParent, clSilver}));
  // The outline and 3-D looks pass through the mask with their colours.
  label->setArtStyle({as3DRaise});
  EXPECT_EQ(colorsOf(shot(parent)), (Colors{kParent, kLight, kDark, kText}));
}

// Counts the paints a widget receives.
struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
};

TEST(TArtLabelTest, WritesRepaintAtOnceWhenTheyShowAndTheGradientPictureIsKept) {
  TArtLabel label;
  dress(label, {asGradient});
  label.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
  shot(label);
  const qint64 first = label.gradientPicture().cacheKey();
  label.setFontColor(clBlue);  // the font colour alone does not renew it
  EXPECT_EQ(label.gradientPicture().cacheKey(), first);

  label.setArtStyle({asOutlined});
  PaintCounter counter;
  label.installEventFilter(&counter);
  label.setShadowColor(clAqua);  // no shadow, bitmap or gradient shown
  label.setShadowLength(5);
  label.setBitmap(QImage(2, 2, QImage::Format_RGB32));
  TGradient other;  // its values are copied, the object not adopted
  other.setColorCount(1);
  other.setColor1(clYellow);
  label.setGradient(&other);
  EXPECT_NE(label.gradient(), &other);
  label.setCaption(label.caption());  // equal
  EXPECT_EQ(counter.paints, 0);
  label.setOutlineColor(clBlack);  // shown: painted before the call returns
  label.setCaption(QStringLiteral("Neu"));
  label.setArtStyle({asShadow, asGradient});  // the stored values show now
  EXPECT_EQ(counter.paints, 3);
  EXPECT_EQ(colorsOf(shot(label)), (Colors{kFace, clAqua, clYellow}));
  label.setFont(makeFont(QStringLiteral("Arial"), 20));
  EXPECT_EQ(counter.paints, 5);  // shot() painted once, the font once
  label.resize(120, 40);
  shot(label);
  EXPECT_EQ(label.gradientPicture().size(), QSize(120, 40));
}

}  // namespace
}  // namespace paxamon
