#include "ui/platform/image.h"
#include "ui/platform/property.h"

#include <QPainter>

namespace paxamon {

TImage::TImage(QWidget* parent) : TGraphicControl(parent) {}

void TImage::setPicture(const QImage& picture) {
  if (&picture == &picture_) return;
  picture_ = picture;
  update();
}

void TImage::setCenter(bool center) {
  if (!storeIfChanged(center_, center)) return;
  update();
}

void TImage::setStretch(bool stretch) {
  if (!storeIfChanged(stretch_, stretch)) return;
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
