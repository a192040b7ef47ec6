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
  TArtStyle artStyle() const { return m_artStyle; }
  void setArtStyle(TArtStyle value);
  const QString& caption() const { return m_caption; }
  void setCaption(const QString& value);
  // The text colour (the font's colour in the window descriptions). The
  // font itself is the widget's; a change of it repaints at once.
  TColor fontColor() const { return m_fontColor; }
  void setFontColor(TColor value);
  bool transparent() const { return m_transparent; }
  void setTransparent(bool value);
  // The background of the composed label and the base of the 3-D colours.
  TColor color() const { return m_color; }
  void setColor(TColor value);
  // The fill of asBitmap and asBitmapFit; the label keeps its own copy.
  const QImage& bitmap() const { return m_bitmap; }
  void setBitmap(const QImage& value);  // repaints only with a bitmap style
  TColor shadowColor() const { return m_shadowColor; }
  void setShadowColor(TColor value);  // repaints only with asShadow
  TColor outlineColor() const { return m_outlineColor; }
  void setOutlineColor(TColor value);  // repaints only with asOutlined
  bool autoSize() const { return m_autoSize; }
  void setAutoSize(bool value);
  int shadowLength() const { return m_shadowLength; }
  void setShadowLength(int value);  // repaints only with asShadow
  // The label's own gradient; it lives as long as the label.
  TGradient* gradient() const { return m_gradient; }
  // Copies the values of another gradient; the label never adopts it.
  void setGradient(const TGradient* source);
  TAlignment textAlign() const { return m_textAlign; }
  void setTextAlign(TAlignment value);

  // The cached gradient picture (null before the first paint with
  // asGradient) and whether the gradient changed since it was painted.
  const QImage& gradientPicture() const { return m_gradientPicture; }
  bool gradientStale() const { return m_gradientStale; }

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

  QImage m_work;
  QImage m_gradientPicture;
  TArtStyle m_artStyle{as3DRaise, asShadow};
  TAlignment m_textAlign = TAlignment::taLeftJustify;
  QString m_caption = QStringLiteral("Art Label");
  bool m_autoSize = false;
  bool m_transparent = false;
  TColor m_color = clBtnFace;
  TColor m_fontColor = clWindowText;
  QImage m_bitmap;
  TColor m_shadowColor = clGray;
  TColor m_outlineColor = clWhite;
  int m_shadowLength = 3;
  TGradient* m_gradient;
  bool m_gradientStale = true;
};

}  // namespace paxamon
