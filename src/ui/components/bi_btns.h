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

  TColor lightColor() const { return m_lightColor; }
  virtual void setLightColor(TColor value);
  TColor shadowColor() const { return m_shadowColor; }
  virtual void setShadowColor(TColor value);

  // A strip of 1 to 3 square frames: up, disabled, pressed.
  const QImage& glyph() const { return m_glyph; }
  void setGlyph(const QImage& picture) { AssignGlyph(picture); }
  void AssignGlyph(const QImage& picture);

  // Not owned; cleared when the menu is destroyed.
  QMenu* dropDownMenu() const { return m_dropDownMenu; }
  void setDropDownMenu(QMenu* menu);

  bool grayedInactive() const { return m_grayedInactive; }
  void setGrayedInactive(bool value);
  // "&" marks the accelerator letter.
  const QString& caption() const { return m_caption; }
  void setCaption(const QString& value);
  TButtonLayout layout() const { return m_layout; }
  void setLayout(TButtonLayout value);
  int bevelWidth() const { return m_bevelWidth; }
  void setBevelWidth(int value);
  // The caption's colour (the font's colour in the window descriptions).
  TColor fontColor() const { return m_fontColor; }
  void setFontColor(TColor value);
  // Held down within its group; only with a GroupIndex other than 0.
  bool down() const { return m_down; }
  void setDown(bool value);
  int groupIndex() const { return m_groupIndex; }
  void setGroupIndex(int value);
  bool allowAllUp() const { return m_allowAllUp; }
  void setAllowAllUp(bool value) { m_allowAllUp = value; }
  // The button's own enabled flag: it changes the look and the button's own
  // reactions only, not whether Qt delivers events to the widget.
  bool buttonEnabled() const { return m_enabled; }
  void setButtonEnabled(bool value);
  bool flat() const { return m_flat; }
  void setFlat(bool value);
  bool markDropDown() const { return m_markDropDown; }
  void setMarkDropDown(bool value);
  int spacing() const { return m_spacing; }
  void setSpacing(int value);
  bool paint256() const { return m_paint256; }
  void setPaint256(bool value) { m_paint256 = value; }

  // Internal state, readable for the painting of derived buttons.
  ButtonState state() const { return m_state; }
  bool showBevel() const { return m_showBevel; }
  bool lowColor() const { return m_lowColor; }
  int numGlyphs() const { return m_numGlyphs; }
  int frameWidth() const { return m_frameWidth; }
  TColor glyphTransparentColor() const { return m_glyphTransparentColor; }

  // After the settings have been loaded: the glyph frames follow the picture.
  void Loaded();

  // The accelerator character ch reached the window: when it is this
  // button's and the button is enabled and visible, press and release it
  // and report the click. Returns whether the character was handled.
  bool DialogChar(QChar ch);

  // AccessKeyControl: the caption's letter clicks the button.
  QChar accessKey() const override;
  bool acceptsAccessKey() const override;
  void activateByAccessKey() override;

  // Draws caption, drop-down mark, glyph and bevel with canvas, which paints
  // on a picture of the button's size that holds the background already.
  void DrawContent(QPainter& canvas);

 protected:
  // A left press shows the button pressed (and opens its drop-down menu),
  // the release shows it up again; a disabled button does neither.
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, Qt::MouseButtons held,
                 QPoint pos) override;
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, Qt::MouseButtons held,
               QPoint pos) override;
  bool acceptsClick() const override { return m_enabled; }
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void DropDownMenuDestroyed();
  QImage framePicture() const;
  void drawBevel(QPainter& canvas) const;

  TColor m_lightColor = clBtnHighlight;
  TColor m_shadowColor = clBtnShadow;
  int m_bevelWidth = 1;
  bool m_enabled = true;
  bool m_flat = false;
  int m_spacing = 1;
  TColor m_glyphTransparentColor = clNone;
  int m_frameWidth = 0;
  std::uint8_t m_numGlyphs = 0;
  bool m_showBevel = true;
  QImage m_glyph;
  bool m_lowColor = false;
  bool m_paint256 = false;
  bool m_grayedInactive = true;
  bool m_markDropDown = true;
  bool m_down = false;
  int m_groupIndex = 0;
  bool m_allowAllUp = false;
  QMenu* m_dropDownMenu = nullptr;
  TButtonLayout m_layout = blGlyphLeft;
  ButtonState m_state = bsUp;
  QString m_caption;
  TColor m_fontColor = clWindowText;
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
  bool vertical() const { return m_vertical; }
  void setVertical(bool value);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool m_vertical = false;
};

}  // namespace paxamon
