// TOfficeButton: a push button drawn as a rounded rectangle with a small
// picture at its left and a centred caption. It shows one picture while the
// mouse is away, one while the mouse is over it and one while it is held
// down; over it the border turns darker and thicker with a white line along
// the top, and held down picture and caption move one pixel right and down.
// It has no disabled look, and it is not opaque: the parent shows in the
// corners outside the rounded rectangle. The keyboard reaches it by Tab;
// Space or Enter clicks it, and a dotted frame marks its focus.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "ui/platform/colors.h"
#include "ui/platform/graphiccontrol.h"

namespace paxamon {

class TOfficeButton : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
  Q_PROPERTY(paxamon::TColor BorderColor READ BorderColor WRITE setBorderColor)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
  Q_PROPERTY(QImage DownGlyph READ DownGlyph WRITE setDownGlyph)
  Q_PROPERTY(QFont Font READ font WRITE setButtonFont)
  Q_PROPERTY(paxamon::TColor FontColor READ FontColor WRITE setFontColor)
  Q_PROPERTY(QImage OffGlyph READ OffGlyph WRITE setOffGlyph)
  Q_PROPERTY(QImage OnGlyph READ OnGlyph WRITE setOnGlyph)
  Q_PROPERTY(int RoundSize READ RoundSize WRITE setRoundSize)
  Q_PROPERTY(paxamon::TColor TransparentColor READ TransparentColor WRITE setTransparentColor)
  Q_PROPERTY(paxamon::TColor Color READ Color WRITE setColor)
  Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)
  Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

 public:
  explicit TOfficeButton(QWidget* parent = nullptr);

  // The button's own caption, drawn as it stands ("&" included).
  QString Caption() const { return caption_; }
  void setCaption(const QString& value);
  // The border while the mouse is over the button. Stored only: it shows at
  // the next repaint that something else causes.
  TColor BorderColor() const { return borderColor_; }
  void setBorderColor(TColor value) { borderColor_ = value; }
  // 1 to 3; other values are brought into that range.
  int BorderWidth() const { return borderWidth_; }
  void setBorderWidth(int value);
  // The pictures are copied in. The OFF picture's size is the picture area
  // for all three: the others are cut to it.
  const QImage& DownGlyph() const { return downGlyph_; }
  void setDownGlyph(const QImage& picture);
  const QImage& OffGlyph() const { return offGlyph_; }
  void setOffGlyph(const QImage& picture);
  const QImage& OnGlyph() const { return onGlyph_; }
  void setOnGlyph(const QImage& picture);
  // The caption font; its colour is FontColor.
  void setButtonFont(const QFont& value);
  TColor FontColor() const { return fontColor_; }
  void setFontColor(TColor value);
  // Width and height of the ellipse that rounds each corner.
  int RoundSize() const { return roundSize_; }
  void setRoundSize(int value);
  // Picture pixels of this colour are painted in Color.
  TColor TransparentColor() const { return transparentColor_; }
  void setTransparentColor(TColor value);
  TColor Color() const { return color_; }
  void setColor(TColor value);
  // Hint is shown as a tool tip while ShowHint is set.
  bool ShowHint() const { return showHint_; }
  void setShowHint(bool value);
  QString Hint() const { return hint_; }
  void setHint(const QString& value);
  // The button's own visibility, whether or not its window is showing.
  bool Visible() const { return !isHidden(); }

  // The state of the mouse, for painting and for tests.
  bool mouseInside() const { return mouseInside_; }
  bool mousePressed() const { return mousePressed_; }
  int pressOffset() const { return pressOffset_; }

  // The mouse handlers: the button's state follows the mouse, every change
  // repaints later.
  void MouseEnter();
  void MouseLeave();
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, Qt::MouseButtons held,
                 QPoint pos) override;
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, Qt::MouseButtons held,
               QPoint pos) override;

  // Draws the button on painter, which paints on the button's area.
  void Paint(QPainter& painter);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // While a button is held the mouse belongs to this button; leaving and
  // coming back are followed here, whatever the window system reports.
  void MouseMove(Qt::KeyboardModifiers modifiers, Qt::MouseButtons held, QPoint pos) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  int roundSize_ = 20;
  QString caption_;
  QImage downGlyph_;
  QImage offGlyph_;
  QImage onGlyph_;
  TColor borderColor_ = clGray;
  std::uint8_t borderWidth_ = 1;
  TColor fontColor_ = clWindowText;
  TColor transparentColor_ = clWhite;
  TColor color_ = 0xC8FFFF;
  bool mouseInside_ = false;
  bool mousePressed_ = false;
  std::uint16_t pressOffset_ = 0;
  bool showHint_ = false;
  QString hint_;
};

}  // namespace paxamon
