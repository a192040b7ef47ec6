// Push buttons that paint themselves: TBI_basebutton keeps the settings and
// the state, handles the mouse and the caption's accelerator and draws the
// content; TBI_GradientButton paints a colour gradient beneath it.
#pragma once

#include <QImage>
#include <QMenu>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "ui/platform/colors.h"
#include "ui/platform/dialogkeys.h"
#include "ui/platform/graphiccontrol.h"

namespace paxamon {

enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TBI_basebutton : public TGraphicControl, public AccessKeyControl {
  Q_OBJECT
  Q_PROPERTY(paxamon::TColor LightColor READ lightColor WRITE setLightColor)
  Q_PROPERTY(paxamon::TColor ShadowColor READ shadowColor WRITE setShadowColor)
  Q_PROPERTY(QImage Glyph READ glyph WRITE setGlyph)
  Q_PROPERTY(QMenu* DropDownMenu READ dropDownMenu WRITE setDropDownMenu)
  Q_PROPERTY(bool GrayedInactive READ grayedInactive WRITE setGrayedInactive)
  Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  Q_PROPERTY(paxamon::TButtonLayout Layout READ layout WRITE setLayout)
  Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
  Q_PROPERTY(QFont Font READ font WRITE setFont)
  Q_PROPERTY(paxamon::TColor FontColor READ fontColor WRITE setFontColor)
  Q_PROPERTY(bool Down READ down WRITE setDown)
  Q_PROPERTY(int GroupIndex READ groupIndex WRITE setGroupIndex)
  Q_PROPERTY(bool AllowAllUp READ allowAllUp WRITE setAllowAllUp)
  Q_PROPERTY(bool Enabled READ buttonEnabled WRITE setButtonEnabled)
  Q_PROPERTY(bool Flat READ flat WRITE setFlat)
  Q_PROPERTY(bool MarkDropDown READ markDropDown WRITE setMarkDropDown)
  Q_PROPERTY(int Spacing READ spacing WRITE setSpacing)
  Q_PROPERTY(bool Paint256 READ paint256 WRITE setPaint256)

 public:
  enum ButtonState : std::uint8_t { bsUp = 0, bsPressed = 2 };

  explicit TBI_basebutton(QWidget* parent = nullptr);
  ~TBI_basebutton() override;

  TColor lightColor() const { return lightColor_; }
  virtual void setLightColor(TColor value);
  TColor shadowColor() const { return shadowColor_; }
  virtual void setShadowColor(TColor value);

  // A strip of 1 to 3 square frames: up, disabled, pressed.
  const QImage& glyph() const { return glyph_; }
  void setGlyph(const QImage& picture) { AssignGlyph(picture); }
  void AssignGlyph(const QImage& picture);

  // Not owned; cleared when the menu is destroyed.
  QMenu* dropDownMenu() const { return dropDownMenu_; }
  void setDropDownMenu(QMenu* menu);

  bool grayedInactive() const { return grayedInactive_; }
  void setGrayedInactive(bool value);
  // "&" marks the accelerator letter.
  const QString& caption() const { return caption_; }
  void setCaption(const QString& value);
  TButtonLayout layout() const { return layout_; }
  void setLayout(TButtonLayout value);
  int bevelWidth() const { return bevelWidth_; }
  void setBevelWidth(int value);
  // The caption's colour (the font's colour in the window descriptions).
  TColor fontColor() const { return fontColor_; }
  void setFontColor(TColor value);
  // Held down within its group; only with a GroupIndex other than 0.
  bool down() const { return down_; }
  void setDown(bool value);
  int groupIndex() const { return groupIndex_; }
  void setGroupIndex(int value);
  bool allowAllUp() const { return allowAllUp_; }
  void setAllowAllUp(bool value) { allowAllUp_ = value; }
  // The button's own enabled flag: it changes the look and the button's own
  // reactions only, not whether Qt delivers events to the widget.
  bool buttonEnabled() const { return enabled_; }
  void setButtonEnabled(bool value);
  bool flat() const { return flat_; }
  void setFlat(bool value);
  bool markDropDown() const { return markDropDown_; }
  void setMarkDropDown(bool value);
  int spacing() const { return spacing_; }
  void setSpacing(int value);
  bool paint256() const { return paint256_; }
  void setPaint256(bool value) { paint256_ = value; }

  // Internal state, readable for the painting of derived buttons.
  ButtonState state() const { return state_; }
  bool showBevel() const { return showBevel_; }
  bool lowColor() const { return lowColor_; }
  int numGlyphs() const { return numGlyphs_; }
  int frameWidth() const { return frameWidth_; }
  TColor glyphTransparentColor() const { return glyphTransparentColor_; }

  // After the settings have been loaded: the glyph frames follow the picture.
  void Loaded();

  // The accelerator character ch reached the window: when it is this
  // button's and the button is enabled and visible, press and release it
  // and report the click. Returns whether the character was handled.
  bool DialogChar(QChar ch);
  // Presses and releases the button and reports the click, as its
  // accelerator does: for Space and Enter on the focused button and for
  // assistive technology. A disabled button does nothing.
  void performClick() override;

  // AccessKeyControl: the caption's letter clicks the button.
  QChar accessKey() const override;
  bool acceptsAccessKey() const override;
  void activateByAccessKey() override;

  // Draws caption, drop-down mark, glyph and bevel with canvas, which paints
  // on a picture of the button's size that holds the background already;
  // and the focus mark inside the bevel while the keyboard focus is here.
  void DrawContent(QPainter& canvas);

 protected:
  // A left press shows the button pressed (and opens its drop-down menu),
  // the release shows it up again; a disabled button does neither.
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, Qt::MouseButtons held,
                 QPoint pos) override;
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, Qt::MouseButtons held,
               QPoint pos) override;
  bool acceptsClick() const override { return enabled_; }
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void DropDownMenuDestroyed();
  QImage framePicture() const;
  void drawBevel(QPainter& canvas) const;

  TColor lightColor_ = clBtnHighlight;
  TColor shadowColor_ = clBtnShadow;
  int bevelWidth_ = 1;
  bool enabled_ = true;
  bool flat_ = false;
  int spacing_ = 1;
  TColor glyphTransparentColor_ = clNone;
  int frameWidth_ = 0;
  std::uint8_t numGlyphs_ = 0;
  bool showBevel_ = true;
  QImage glyph_;
  bool lowColor_ = false;
  bool paint256_ = false;
  bool grayedInactive_ = true;
  bool markDropDown_ = true;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  QMenu* dropDownMenu_ = nullptr;
  TButtonLayout layout_ = blGlyphLeft;
  ButtonState state_ = bsUp;
  QString caption_;
  TColor fontColor_ = clWindowText;
};

// The painted button: a linear gradient from LightColor to ShadowColor
// (plain button face on a low-colour display unless Paint256), the content
// drawn over it.
class TBI_GradientButton : public TBI_basebutton {
  Q_OBJECT
  Q_PROPERTY(bool Vertical READ vertical WRITE setVertical)

 public:
  explicit TBI_GradientButton(QWidget* parent = nullptr);

  // false: the colour changes from left to right; true: from top to bottom.
  bool vertical() const { return vertical_; }
  void setVertical(bool value);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool vertical_ = false;
};

}  // namespace paxamon
