// Multi-colour gradients: the settings object TGradient, the painter
// GradientFill with its four styles, the control TDfGradient that shows one
// over its whole area, and the colour helpers the other controls share.
#pragma once

#include <QImage>
#include <QObject>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "ui/platform/colors.h"
#include "ui/platform/graphiccontrol.h"

namespace paxamon {

enum TGradientStyle : std::uint8_t { gsLine, gsEllipse, gsRect, gsCustomRect };
enum TDirection : std::uint8_t { diHorizonal, diVertical };
// Number of bands, meant to be 1 to 4; any value is stored.
using TColorCount = int;

// The user's shape painter of gsCustomRect. The brush is already set. A
// callback rather than a signal: the handler draws into the caller's
// canvas, which it receives by reference.
using TDrawRectEvent = std::function<void(QObject* sender, QPainter& canvas, const QRect& rect)>;

// The settings of a gradient. Band 1 runs from Color1 to Color2, band 2 from
// Color2 to Color3 and so on; ColorCount bands use Color1 to
// Color(ColorCount + 1). Every change of a value is announced by the
// signal changed (the platform's OnChange).
class TGradient : public QObject {
  Q_OBJECT
  Q_PROPERTY(paxamon::TGradientStyle GradientStyle READ gradientStyle WRITE setGradientStyle)
  Q_PROPERTY(int LineSize READ lineSize WRITE setLineSize)
  Q_PROPERTY(paxamon::TColor Color1 READ color1 WRITE setColor1)
  Q_PROPERTY(paxamon::TColor Color2 READ color2 WRITE setColor2)
  Q_PROPERTY(paxamon::TColor Color3 READ color3 WRITE setColor3)
  Q_PROPERTY(paxamon::TColor Color4 READ color4 WRITE setColor4)
  Q_PROPERTY(paxamon::TColor Color5 READ color5 WRITE setColor5)
  Q_PROPERTY(int ColorCount READ colorCount WRITE setColorCount)
  Q_PROPERTY(paxamon::TDirection LineDirection READ lineDirection WRITE setLineDirection)

 public:
  explicit TGradient(QObject* parent = nullptr);

  TGradientStyle gradientStyle() const { return style_; }
  int lineSize() const { return lineSize_; }
  TColor color1() const { return colors_[0]; }
  TColor color2() const { return colors_[1]; }
  TColor color3() const { return colors_[2]; }
  TColor color4() const { return colors_[3]; }
  TColor color5() const { return colors_[4]; }
  // Color1 ... Color5 by index 0 ... 4.
  const std::array<TColor, 5>& colors() const { return colors_; }
  TColorCount colorCount() const { return colorCount_; }
  TDirection lineDirection() const { return direction_; }

  // Each setter stores a differing value and then calls Changed.
  void setGradientStyle(TGradientStyle value);
  void setLineSize(int value);
  void setColor1(TColor value) { setColor(0, value); }
  void setColor2(TColor value) { setColor(1, value); }
  void setColor3(TColor value) { setColor(2, value); }
  void setColor4(TColor value) { setColor(3, value); }
  void setColor5(TColor value) { setColor(4, value); }
  void setColorCount(TColorCount value);
  void setLineDirection(TDirection value);

  const TDrawRectEvent& onDrawRect() const { return onDrawRect_; }
  void setOnDrawRect(TDrawRectEvent callback) { onDrawRect_ = std::move(callback); }

  // Announces a change.
  void Changed();
  // Copies the seven kinds of values (not the connections or the shape
  // painter) and announces once, whether or not anything differed.
  void AssignValues(const TGradient& source);

 signals:
  void changed();

 private:
  void setColor(int index, TColor value);

  TGradientStyle style_ = gsLine;
  int lineSize_ = 3;
  std::array<TColor, 5> colors_ = {clGray, clWhite, clSilver, clWhite, clBlack};
  TColorCount colorCount_ = 3;
  TDirection direction_ = diHorizonal;
  TDrawRectEvent onDrawRect_;
};

// Paints gradient into rect (right and bottom exclusive) on canvas. The
// colours are read as plain RGB; system colours are not resolved.
void GradientFill(QPainter& canvas, const QRect& rect, const TGradient& gradient);

// Covers rect with copies of picture, row by row from the top-left corner.
void TileBitmap(QPainter& canvas, const QImage& picture, const QRect& rect);

struct RGBChannels {
  int red, green, blue;
};
// The three low bytes, without resolving system colours.
RGBChannels SplitRGB(TColor color);
// Rounds to the nearest integer (halves to even) and limits to 0 ... 255.
int ClampChannel(float value);
TColor MakeColor(float red, float green, float blue);
// Adds amount to each channel of the colour (system colours resolved).
TColor LightenColor(TColor color, int amount);
TColor DarkenColor(TColor color, int amount);

// Text effects. Each draws text with the canvas's current font, its top-left
// corner at (x, y); the canvas's pen colour is the text colour. The first
// three leave the canvas without a brush.

// The text in shadowColor offset by (dx, dy), then in the text colour.
void DrawShadowText(QPainter& canvas, int x, int y, const QString& text, TColor shadowColor, int dx,
                    int dy);
// The text in outlineColor at the four diagonal neighbours, then in the text
// colour.
void DrawOutlinedText(QPainter& canvas, int x, int y, const QString& text, TColor outlineColor);
// The text in lowerRight one pixel down and right, in upperLeft one pixel up
// and left, then in the text colour.
void Draw3DText(QPainter& canvas, const QString& text, int x, int y, TColor upperLeft,
                TColor lowerRight);
// The glyphs of text take their pixels from picture, stretched over the
// whole text box; the rest of the canvas is left as it is.
void DrawTextFilledFit(QPainter& canvas, int x, int y, const QString& text, const QImage& picture);
// As DrawTextFilledFit, with picture at its own size from the text's
// top-left corner. Glyph pixels the picture does not reach come out black.
void DrawTextFilled(QPainter& canvas, int x, int y, const QString& text, const QImage& picture);
// Draws picture at (x, y) where mask is black and leaves the canvas as it is
// where mask is white (or where the mask does not reach).
void DrawMasked(QPainter& canvas, int x, int y, const QImage& mask, const QImage& picture);

// A control that shows its Gradient over its whole area. The gradient is
// painted once into an off-screen picture; painting copies from it.
class TDfGradient : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(paxamon::TGradient* Gradient READ gradient WRITE setGradient)
  Q_PROPERTY(paxamon::TColor Color READ color WRITE setColor)

 public:
  explicit TDfGradient(QWidget* parent = nullptr);

  // The control's own gradient, a child it owns; it lives as long as the
  // control.
  TGradient* gradient() const { return gradient_; }
  // Copies the values of another gradient; the control never adopts it.
  void setGradient(const TGradient* source);

  TColor color() const { return color_; }
  // The colour under the gradient (shown where the shapes leave room).
  void setColor(TColor value);

  // The off-screen picture as it stands.
  const QImage& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void GradientChanged();
  void RebuildBitmap();

  QImage picture_;
  TGradient* gradient_;
  TColor color_ = clWindow;
};

}  // namespace paxamon
