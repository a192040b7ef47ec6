// TArtLabel: one line of text with decorative effects (drop shadow,
// outline, engraved or embossed look, glyphs filled with a picture or a
// gradient), composed in an off-screen picture and shown whole or, when
// transparent, through a mask of the glyphs over whatever the parent shows.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <initializer_list>

#include "ui/components/Gradient.h"
#include "ui/platform/colors.h"
#include "ui/platform/controls.h"
#include "ui/platform/graphiccontrol.h"

namespace paxamon {

enum TArtStyleItem : std::uint8_t {
  as3DSunk,
  as3DRaise,
  asShadow,
  asBitmap,
  asOutlined,
  asBitmapFit,
  asGradient
};

// A set of styles, bit k for the style with ordinal k.
struct TArtStyle {
  std::uint8_t bits = 0;

  constexpr TArtStyle() = default;
  constexpr TArtStyle(std::initializer_list<TArtStyleItem> items) {
    for (TArtStyleItem item : items)
      bits = std::uint8_t(bits | 1u << item);
  }
  constexpr bool contains(TArtStyleItem item) const { return (bits >> item & 1u) != 0; }
  friend constexpr bool operator==(TArtStyle, TArtStyle) = default;
};

class TArtLabel : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(paxamon::TArtStyle ArtStyle READ artStyle WRITE setArtStyle)
  Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  Q_PROPERTY(QFont Font READ font WRITE setFont)
  Q_PROPERTY(paxamon::TColor FontColor READ fontColor WRITE setFontColor)
  Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
  Q_PROPERTY(paxamon::TColor Color READ color WRITE setColor)
  Q_PROPERTY(QImage Bitmap READ bitmap WRITE setBitmap)
  Q_PROPERTY(paxamon::TColor ShadowColor READ shadowColor WRITE setShadowColor)
  Q_PROPERTY(paxamon::TColor OutlineColor READ outlineColor WRITE setOutlineColor)
  Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
  Q_PROPERTY(int ShadowLength READ shadowLength WRITE setShadowLength)
  Q_PROPERTY(paxamon::TGradient* Gradient READ gradient WRITE setGradient)
  Q_PROPERTY(paxamon::TAlignment TextAlign READ textAlign WRITE setTextAlign)

 public:
  explicit TArtLabel(QWidget* parent = nullptr);

  // Each write of a differing value stores it and repaints at once, some
  // only when a style that shows the value is set (see the setters).
  TArtStyle artStyle() const { return artStyle_; }
  void setArtStyle(TArtStyle value);
  const QString& caption() const { return caption_; }
  void setCaption(const QString& value);
  // The text colour (the font's colour in the window descriptions). The
  // font itself is the widget's; a change of it repaints at once.
  TColor fontColor() const { return fontColor_; }
  void setFontColor(TColor value);
  bool transparent() const { return transparent_; }
  void setTransparent(bool value);
  // The background of the composed label and the base of the 3-D colours.
  TColor color() const { return color_; }
  void setColor(TColor value);
  // The fill of asBitmap and asBitmapFit; the label keeps its own copy.
  const QImage& bitmap() const { return bitmap_; }
  void setBitmap(const QImage& value);  // repaints only with a bitmap style
  TColor shadowColor() const { return shadowColor_; }
  void setShadowColor(TColor value);  // repaints only with asShadow
  TColor outlineColor() const { return outlineColor_; }
  void setOutlineColor(TColor value);  // repaints only with asOutlined
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool value);
  int shadowLength() const { return shadowLength_; }
  void setShadowLength(int value);  // repaints only with asShadow
  // The label's own gradient; it lives as long as the label.
  TGradient* gradient() const { return gradient_; }
  // Copies the values of another gradient; the label never adopts it.
  void setGradient(const TGradient* source);
  TAlignment textAlign() const { return textAlign_; }
  void setTextAlign(TAlignment value);

  // The cached gradient picture (null before the first paint with
  // asGradient) and whether the gradient changed since it was painted.
  const QImage& gradientPicture() const { return gradientPicture_; }
  bool gradientStale() const { return gradientStale_; }

  // Where the caption's top-left corner goes in a label of the given size.
  QPoint textPosition(QSize labelSize) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void GradientChanged();
  void updateGradientPicture(QSize size);
  // The font the text is drawn with: the label's, without antialiasing so
  // that the colour passes cover exactly the pixels the masks cover.
  QFont drawingFont() const;

  QImage work_;
  QImage gradientPicture_;
  TArtStyle artStyle_{as3DRaise, asShadow};
  TAlignment textAlign_ = TAlignment::taLeftJustify;
  QString caption_ = QStringLiteral("Art Label");
  bool autoSize_ = false;
  bool transparent_ = false;
  TColor color_ = clBtnFace;
  TColor fontColor_ = clWindowText;
  QImage bitmap_;
  TColor shadowColor_ = clGray;
  TColor outlineColor_ = clWhite;
  int shadowLength_ = 3;
  TGradient* gradient_;
  bool gradientStale_ = true;
};

}  // namespace paxamon
