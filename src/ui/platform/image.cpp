#include "ui/platform/image.h"

#include <QPainter>

namespace paxamon {

TImage::TImage(QWidget* parent) : TGraphicControl(parent) {}

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

}  // namespace paxamon
