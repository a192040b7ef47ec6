// The base of the custom-drawn controls: a widget that reports the mouse
// as the original platform's controls did. A press and release of the left
// button over the control is a click; a double click reports itself instead
// of a second click; every press, move and release is reported with the
// buttons held and the position in the control.
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
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  // A left press began over the control and may still become a click.
  bool m_clickPending = false;
};

}  // namespace paxamon
