// The base of the custom-drawn controls: a widget that reports the mouse
// as the original platform's controls did. A press and release of the left
// button over the control is a click; a double click reports itself instead
// of a second click; every press, move and release is reported with the
// buttons held and the position in the control.
//
// A control reacts to the mouse itself by overriding the MouseDown,
// MouseMove and MouseUp hooks (calling the base, which reports the matching
// signal) and acceptsClick; every other part of the mouse handling is here.
#pragma once

#include <QWidget>

namespace paxamon {

class TGraphicControl : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

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

 private:
  bool clickPending_ = false;  // a left press began over the control
  bool clickBeforeRelease_ = false;
};

}  // namespace paxamon
