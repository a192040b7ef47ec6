#include "ui/components/ArtLabel.h"

#include <gtest/gtest.h>

#include <QSet>

#include "ui/platform/drawing.h"

namespace paxamon {
namespace {

// Distinct colours, so every pixel tells which pass drew it.
constexpr TColor kFace = rgbColor(100, 100, 100);  // light 164, dark 36
constexpr TColor kLight = rgbColor(164, 164, 164), kDark = rgbColor(36, 36, 36);
constexpr TColor kText = rgbColor(255, 0, 0), kShadow = rgbColor(0, 255, 0);
constexpr TColor kParent = rgbColor(255, 0, 255);
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

// Gives a label the test colours, a caption and room for it.
void dress(TArtLabel& label, TArtStyle style) {
  label.resize(150, 44);
  label.setColor(kFace);
  label.setFontColor(kText);
  label.setShadowColor(kShadow);
  label.setCaption(QStringLiteral("Paxa"));
  label.setArtStyle(style);
}

TEST(TArtLabelTest, TransparentShowsOnlyTheMaskedPasses) {
  QWidget parent;  // its own colour shows wherever the label lets it through
  parent.resize(160, 50);
  parent.setAutoFillBackground(true);
  parent.setPalette(QPalette(toQColor(kParent)));
  auto* label = new TArtLabel(&parent);
  dress(*label, {asShadow, asGradient});
  label->gradient()->setColorCount(1);  // the glyphs all silver
  label->setTransparent(true);
  EXPECT_EQ(colorsOf(shot(parent)), (Colors{kParent, kShadow, clSilver}));
  // A fill alone still marks its glyphs.
  label->setArtStyle({asGradient});
  EXPECT_EQ(colorsOf(shot(parent)), (Colors{kParent, clSilver}));
  // The outline and 3-D looks pass through the mask with their colours.
  label->setArtStyle({as3DRaise});
  EXPECT_EQ(colorsOf(shot(parent)), (Colors{kParent, kLight, kDark, kText}));
}

TEST(TArtLabelTest, ValuesWrittenWhileHiddenShowAndTheKeptGradientIsRenewed) {
  TArtLabel label;
  dress(label, {asOutlined});
  label.setShadowColor(clAqua);
  label.gradient()->setColorCount(1);
  label.gradient()->setColor1(clYellow);
  label.setArtStyle({asShadow, asGradient});
  EXPECT_EQ(colorsOf(shot(label)), (Colors{kFace, clAqua, clYellow}));
  label.gradient()->setColor1(clBlue);
  EXPECT_EQ(colorsOf(shot(label)), (Colors{kFace, clAqua, clBlue}));
  label.resize(120, 40);
  shot(label);
  EXPECT_EQ(label.gradientPicture().size(), QSize(120, 40));

  // AutoSize takes the size at the next paint: 4 more than the caption.
  label.setCaption(QStringLiteral("Art Label"));
  label.setAutoSize(true);
  shot(label);
  EXPECT_EQ(label.size(), textExtent(label.font(), QStringLiteral("Art Label")) + QSize(4, 4));
}

}  // namespace
}  // namespace paxamon
