// The plain controls the windows are built of, drawn the way the original
// platform drew them: labels, bevel lines, group boxes, read-only edit
// fields and filled shapes. Each paints itself; colours are TColors
// resolved at paint time.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include "ui/platform/colors.h"
#include "ui/platform/graphiccontrol.h"

namespace paxamon {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// The horizontal Qt alignment of a TAlignment.
Qt::Alignment horizontalAlignment(TAlignment alignment);

// Breaks text into lines no wider than width at blanks, as word-wrapping
// text output does: a line breaks at a blank, which is used up by the break;
// further blanks stay and begin the next line. A word wider than the line
// stands alone on it.
QStringList wrapText(const QString& text, const QFontMetrics& metrics, int width);

// A text label. Not transparent it fills its area with Color first. With
// AutoSize (and no WordWrap) it takes the size of its text; right-aligned
// it then keeps its right edge where it is. It reports the mouse and clicks.
class TLabel : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
 public:
  explicit TLabel(QWidget* parent = nullptr);

  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  TColor Color() const { return color_; }
  void setColor(TColor color);
  TColor FontColor() const { return fontColor_; }
  void setFontColor(TColor color);
  bool Transparent() const { return transparent_; }
  void setTransparent(bool transparent);
  TAlignment Alignment() const { return alignment_; }
  void setAlignment(TAlignment alignment);
  bool AutoSize() const { return autoSize_; }
  void setAutoSize(bool autoSize);
  bool WordWrap() const { return wordWrap_; }
  void setWordWrap(bool wordWrap);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void adjustSize();

  QString caption_;
  TColor color_ = clBtnFace;
  TColor fontColor_ = clWindowText;
  bool transparent_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool autoSize_ = false;
  bool wordWrap_ = false;
};

// A label as the windows mostly place them: transparent, sized to its
// caption, its top-left corner at (left, top).
TLabel* createLabel(QWidget* parent, const QString& caption, int left, int top, const QFont& font,
                    TColor fontColor);

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
enum class TBevelStyle { bsLowered, bsRaised };

// Lines in the shadow and highlight colours; only the lines are drawn, the
// rest of the area shows what lies behind.
class TBevel : public QWidget {
  Q_OBJECT
 public:
  TBevel(TBevelShape shape, TBevelStyle style, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TBevelShape shape_;
  TBevelStyle style_;
};

// A group box: the etched frame from half the caption height down, the
// caption at x = 8 on the box colour. Children are placed relative to the
// box's top-left corner.
class TGroupBox : public QWidget {
  Q_OBJECT
 public:
  TGroupBox(const QString& caption, QWidget* parent = nullptr);
  QString Caption() const { return caption_; }
  void setColor(TColor color);
  void setFontColor(TColor color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  TColor color_ = clBtnFace;
  TColor fontColor_ = clWindowText;
};

// A read-only single-line edit field with the sunken 3-D border, window
// background and its text at the left. With UpperCase it shows its text
// upper-cased. It takes no focus and no input: the register fields only
// show what the machine reports.
class TEdit : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Text READ Text WRITE setText)
 public:
  explicit TEdit(QWidget* parent = nullptr);
  QString Text() const { return text_; }
  void setText(const QString& text);
  // The text as the field shows it.
  QString shownText() const { return upperCase_ ? text_.toUpper() : text_; }
  void setUpperCase(bool upper);
  TColor FontColor() const { return fontColor_; }
  void setFontColor(TColor color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  bool upperCase_ = false;
  TColor fontColor_ = clWindowText;
};

// A rectangle filled with one colour, without outline.
class TShape : public QWidget {
  Q_OBJECT
 public:
  TShape(TColor brush, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor brush_;
};

}  // namespace paxamon
