// TPanel: the platform's panel, a container that paints an outer bevel, a
// border in its own colour, an inner bevel, fills the rest and draws its
// caption centred vertically. Children are placed relative to its top-left
// corner and paint over it. It reports the mouse and clicks.
#pragma once

#include <QString>
#include <QWidget>

#include "ui/platform/colors.h"
#include "ui/platform/controls.h"

namespace paxamon {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

class TPanel : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
  Q_PROPERTY(paxamon::TColor Color READ Color WRITE setColor)
  Q_PROPERTY(paxamon::TColor FontColor READ FontColor WRITE setFontColor)
  Q_PROPERTY(paxamon::TPanelBevel BevelOuter READ BevelOuter WRITE setBevelOuter)
  Q_PROPERTY(paxamon::TPanelBevel BevelInner READ BevelInner WRITE setBevelInner)
  Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
  Q_PROPERTY(paxamon::TAlignment Alignment READ Alignment WRITE setAlignment)

 public:
  explicit TPanel(QWidget* parent = nullptr);

  // "&" marks an accelerator letter, drawn underlined.
  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  TColor Color() const { return color_; }
  void setColor(TColor color);
  TColor FontColor() const { return fontColor_; }
  void setFontColor(TColor color);
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void setBevelOuter(TPanelBevel bevel);
  TPanelBevel BevelInner() const { return bevelInner_; }
  void setBevelInner(TPanelBevel bevel);
  // Widths in pixels; negative values count as 0.
  int BevelWidth() const { return bevelWidth_; }
  void setBevelWidth(int width);
  int BorderWidth() const { return borderWidth_; }
  void setBorderWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void setAlignment(TAlignment alignment);

  // The area left inside the bevels and the border: where the caption goes.
  QRect contentRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  TColor color_ = clBtnFace;
  TColor fontColor_ = clWindowText;
  TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
  TPanelBevel bevelInner_ = TPanelBevel::bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TAlignment alignment_ = TAlignment::taCenter;
};

}  // namespace paxamon
