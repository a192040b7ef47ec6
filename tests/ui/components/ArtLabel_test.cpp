#include "ui/components/ArtLabel.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QSet>
#include <QTest>
#include <functional>

#include "ui/platform/drawing.h"
#include "ui/platform/fonts.h"

namespace paxamon {
namespace {

// Distinct colours, so every pixel tells which pass drew it.
const TColor kFace = rgbColor(100, 100, 100);  // light 164, dark 36
const TColor kLight = rgbColor(164, 164, 164);
const TColor kDark = rgbColor(36, 36, 36);
const TColor kText = rgbColor(255, 0, 0);
const TColor kShadow = rgbColor(0, 255, 0);
const TColor kOutline = rgbColor(0, 0, 255);
const QRgb kParent = qRgb(255, 0, 255);

QRgb rgb(TColor color) {
  return toQColor(color).rgb();
}

// Saves into $PAXAMON_GALLERY (when set), enlarged so single pixels show.
void keep(const QImage& image, const QString& name) {
  const QString folder = qEnvironmentVariable("PAXAMON_GALLERY");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  image.scaled(image.size() * 2).save(QDir(folder).filePath(name + ".png"));
}

QImage shot(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QSet<QRgb> colorsOf(const QImage& image) {
  QSet<QRgb> colors;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      colors.insert(image.pixel(x, y));
  return colors;
}

QSet<QRgb> rgbSet(std::initializer_list<TColor> colors) {
  QSet<QRgb> set;
  for (TColor c : colors)
    set.insert(rgb(c));
  return set;
}

// The topmost row that holds a pixel other than background, and its colour
// there (the leftmost such pixel).
QRgb firstDrawn(const QImage& image, QRgb background) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != background) return image.pixel(x, y);
  return background;
}

// A label in the test colours, large enough for its text.
struct Labelled {
  TArtLabel label;
  explicit Labelled(TArtStyle style) {
    label.resize(150, 44);
    label.setColor(kFace);
    label.setFontColor(kText);
    label.setShadowColor(kShadow);
    label.setOutlineColor(kOutline);
    label.setCaption(QStringLiteral("Paxa"));
    label.setArtStyle(style);
  }
};

// A picture of a label in the test colours with the given style.
QImage styled(TArtStyle style, const QImage& bitmap = {}) {
  Labelled labelled(style);
  labelled.label.setBitmap(bitmap);
  return shot(labelled.label);
}

TEST(TArtLabelTest, StylesAndTheirPrecedence) {
  // The default label: button face, a gray shadow, the text embossed.
  TArtLabel label;
  EXPECT_EQ(label.size(), QSize(64, 25));
  label.resize(170, 44);
  const QImage look = shot(label);
  keep(look, "artlabel-default");
  const TColor face = clBtnFace;
  EXPECT_EQ(colorsOf(look),
            rgbSet({face, clGray, clBlack, LightenColor(face, 64), DarkenColor(face, 64)}));
  EXPECT_EQ(firstDrawn(look, rgb(face)), rgb(LightenColor(face, 64)));
  EXPECT_EQ(firstDrawn(look.mirrored(false, true), rgb(face)), rgb(clGray));

  // Each pass on its own.
  EXPECT_EQ(colorsOf(styled({asShadow})), rgbSet({kFace, kShadow, kText}));
  EXPECT_EQ(colorsOf(styled({asOutlined})), rgbSet({kFace, kOutline, kText}));
  const QImage sunk = styled({as3DSunk});
  EXPECT_EQ(colorsOf(sunk), rgbSet({kFace, kLight, kDark, kText}));
  EXPECT_EQ(firstDrawn(sunk, rgb(kFace)), rgb(kDark));
  EXPECT_EQ(firstDrawn(styled({as3DRaise}), rgb(kFace)), rgb(kLight));
  // Without a style only the background shows.
  EXPECT_EQ(colorsOf(styled(TArtStyle{})), rgbSet({kFace}));

  // The outline wins over both 3-D looks, sunk over raised.
  EXPECT_EQ(styled({asOutlined, as3DSunk, as3DRaise}), styled({asOutlined}));
  EXPECT_EQ(styled({as3DSunk, as3DRaise}), sunk);

  // The gradient wins over both bitmaps, the fitted bitmap over the plain.
  QImage bitmap(8, 100, QImage::Format_RGB32);
  bitmap.fill(qRgb(0, 128, 128));
  const QImage filled = styled({asGradient});
  EXPECT_EQ(styled({asGradient, asBitmapFit, asBitmap}, bitmap), filled);
  EXPECT_EQ(colorsOf(styled({asBitmapFit, asBitmap}, bitmap)),
            rgbSet({kFace, rgbColor(0, 128, 128)}));
  // 8 pixels wide, unstretched: the rest of the glyphs is black.
  EXPECT_EQ(colorsOf(styled({asBitmap}, bitmap)), rgbSet({kFace, rgbColor(0, 128, 128), clBlack}));

  // The gradient (silver, gray, black, white) runs down the glyphs.
  keep(filled, "artlabel-gradient");
  EXPECT_GE(colorsOf(filled).size(), 8);
  EXPECT_LE(qGray(firstDrawn(filled, rgb(kFace))), qGray(rgb(clSilver)));
  EXPECT_FALSE(colorsOf(filled).contains(rgb(kText)));
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

// A parent whose own colour shows wherever the label lets it through.
class Backdrop : public QWidget {
 public:
  Backdrop() { resize(170, 50); }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(kParent)); }
};

TEST(TArtLabelTest, TransparentShowsOnlyTheMaskedPasses) {
  Backdrop parent;
  auto* label = new TArtLabel(&parent);
  label->setGeometry(5, 3, 160, 44);
  label->setColor(kFace);
  label->setFontColor(kText);
  label->setShadowColor(kShadow);
  label->setCaption(QStringLiteral("Paxa"));
  label->setArtStyle({asShadow, asGradient});
  label->gradient()->setColorCount(1);  // the glyphs all silver
  label->setTransparent(true);
  const QImage image = shot(parent);
  keep(image, "artlabel-transparent");
  EXPECT_EQ(colorsOf(image), (QSet<QRgb>{kParent, rgb(kShadow), rgb(clSilver)}));

  // Our reading of the open point: a fill alone still marks its glyphs.
  label->setArtStyle({asGradient});
  EXPECT_EQ(colorsOf(shot(parent)), (QSet<QRgb>{kParent, rgb(clSilver)}));
  // The outline and 3-D looks pass through the mask with their colours.
  label->setArtStyle({as3DRaise});
  EXPECT_EQ(colorsOf(shot(parent)), (QSet<QRgb>{kParent, rgb(kLight), rgb(kDark), rgb(kText)}));
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(TArtLabelTest, WritesRepaintAtOnceOnlyWhenTheyShow) {
  QWidget window;
  window.resize(200, 60);
  auto* label = new TArtLabel(&window);
  label->resize(180, 50);
  label->setArtStyle({asOutlined});
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QCoreApplication::processEvents();
  PaintCounter counter(label);

  label->setShadowColor(kShadow);  // no shadow shown: stored only
  label->setShadowLength(5);
  label->setBitmap(QImage(2, 2, QImage::Format_RGB32));
  label->gradient()->setColor1(clRed);
  EXPECT_EQ(counter.paints, 0);
  EXPECT_TRUE(label->gradientStale());
  label->setOutlineColor(kOutline);  // shown: painted before the call returns
  EXPECT_EQ(counter.paints, 1);
  label->setCaption(label->caption());  // equal: nothing
  EXPECT_EQ(counter.paints, 1);
  label->setCaption(QStringLiteral("Neu"));
  label->setArtStyle({asShadow});  // the stored shadow colour shows now
  EXPECT_EQ(counter.paints, 3);
  EXPECT_TRUE(colorsOf(label->grab().toImage().convertToFormat(QImage::Format_RGB32))
                  .contains(rgb(kShadow)));
  label->setFont(makeFont(QStringLiteral("Arial"), 20));
  EXPECT_EQ(counter.paints, 5);  // grab() painted once, the font once
}

TEST(TArtLabelTest, GradientPictureIsCachedUntilTheGradientOrSizeChanges) {
  Labelled labelled({asGradient});
  TArtLabel& label = labelled.label;
  shot(label);
  const qint64 first = label.gradientPicture().cacheKey();
  EXPECT_FALSE(label.gradientStale());

  label.setFontColor(clBlue);  // the font colour alone does not renew it
  shot(label);
  EXPECT_EQ(label.gradientPicture().cacheKey(), first);

  // Another gradient's values are copied, not the object adopted.
  TGradient other;
  other.setColorCount(1);
  other.setColor1(clLime);
  label.setGradient(&other);
  EXPECT_NE(label.gradient(), &other);
  EXPECT_TRUE(label.gradientStale());
  EXPECT_EQ(colorsOf(shot(label)), rgbSet({kFace, clLime}));

  const qint64 second = label.gradientPicture().cacheKey();
  label.resize(120, 40);
  shot(label);
  EXPECT_NE(label.gradientPicture().cacheKey(), second);
  EXPECT_EQ(label.gradientPicture().size(), QSize(120, 40));
}

}  // namespace
}  // namespace paxamon
