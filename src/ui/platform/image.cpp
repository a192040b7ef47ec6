#include "ui/platform/image.h"

#include <QMouseEvent>
#include <QPainter>

namespace paxamon {

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::setPicture(const QImage& picture) {
  if (&picture == &picture_) return;
  picture_ = picture;
  update();
}

void TImage::setCenter(bool center) {
  if (center == center_) return;
  center_ = center;
  update();
}

void TImage::setStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  if (stretch_) {
    painter.drawImage(rect(), picture_);
  } else if (center_) {
    painter.drawImage(QPoint((width() - picture_.width()) / 2, (height() - picture_.height()) / 2),
                      picture_);
  } else {
    painter.drawImage(QPoint(0, 0), picture_);
  }
}

void TImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) clickPending_ = true;
  const QPoint pos = event->position().toPoint();
  if (OnMouseDown) OnMouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = event->button() == Qt::LeftButton && clickPending_ &&
                     rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) clickPending_ = false;
  if (click && OnClick) OnClick();
}

}  // namespace paxamon
