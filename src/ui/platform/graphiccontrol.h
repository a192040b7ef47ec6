// The base of the custom-drawn controls: a widget that reports the mouse
// as the original platform's controls did. A press and release of the left
// button over the control is a click; a double click reports itself instead
// of a second click; every press, move and release is reported with the
// buttons held and the position in the control.
//
// A control reacts to the mouse itself by overriding the MouseDown,
// MouseMove and MouseUp hooks (calling the base, which reports the matching
// signal) and acceptsClick; every other part of the mouse handling is here.
//
// A button made operable by keyboard takes the focus by Tab (not by a
// click) and clicks on Space or Enter. It shows the focus mark only once the
// keyboard brought the focus, as the original platform hid focus marks
// until the keyboard was used.
#pragma once

#include <QWidget>

namespace paxamon {

class TGraphicControl : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

  // Whether something handles the control's clicks: such a control is one
  // a user operates, and assistive technology offers to click it.
  bool hasClickHandler() const;
  // Clicks the control as the keyboard or assistive technology does: by
  // default it reports the click.
  virtual void performClick() { emit clicked(); }

  void setKeyboardOperable(bool operable);
  // Whether the control has the focus and shows it.
  bool showsFocusMark() const { return hasFocus() && focusCue_; }

 signals:
  void clicked();
  void doubleClicked();
  void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, Qt::MouseButtons held,
                 int x, int y);
  void mouseMove(Qt::KeyboardModifiers modifiers, Qt::MouseButtons held, int x, int y);
  void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, Qt::MouseButtons held,
               int x, int y);

 protected:
  virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                         Qt::MouseButtons held, QPoint pos);
  virtual void MouseMove(Qt::KeyboardModifiers modifiers, Qt::MouseButtons held, QPoint pos);
  virtual void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                       Qt::MouseButtons held, QPoint pos);
  // Whether the left button may click (and double-click) the control now.
  virtual bool acceptsClick() const { return true; }

  // The click is reported after the release handling, unless the control
  // reports it first, as the office button does.
  void setClickBeforeRelease(bool first) { clickBeforeRelease_ = first; }

  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool keyboardOperable_ = false;
  bool focusCue_ = false;      // the keyboard brought the focus here
  bool clickPending_ = false;  // a left press began over the control
  bool clickBeforeRelease_ = false;
};

}  // namespace paxamon
