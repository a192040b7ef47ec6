#include "ui/platform/graphiccontrol.h"

#include <QMouseEvent>

namespace paxamon {

void TGraphicControl::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton) m_clickPending = true;
  emit mouseDown(event->button(), event->modifiers(), event->buttons(), pos.x(), pos.y());
}

void TGraphicControl::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  emit mouseDown(event->button(), event->modifiers(), event->buttons(), pos.x(), pos.y());
}

void TGraphicControl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit mouseMove(event->modifiers(), event->buttons(), pos.x(), pos.y());
}

void TGraphicControl::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const bool click = event->button() == Qt::LeftButton && m_clickPending && rect().contains(pos);
  if (event->button() == Qt::LeftButton) m_clickPending = false;
  emit mouseUp(event->button(), event->modifiers(), event->buttons(), pos.x(), pos.y());
  if (click) emit clicked();
}

}  // namespace paxamon
