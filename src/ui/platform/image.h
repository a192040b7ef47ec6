// TImage: a control that shows a picture, at its natural size from the
// top-left corner (cut at the control's edges), centred, or stretched over
// the whole control. What the picture does not cover shows the parent. It
// reports the mouse and clicks.
#pragma once

#include <QImage>

#include "ui/platform/graphiccontrol.h"

namespace paxamon {

class TImage : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
  Q_PROPERTY(bool Center READ Center WRITE setCenter)
  Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)

 public:
  explicit TImage(QWidget* parent = nullptr);

  const QImage& Picture() const { return picture_; }
  void setPicture(const QImage& picture);
  bool Center() const { return center_; }
  void setCenter(bool center);
  bool Stretch() const { return stretch_; }
  void setStretch(bool stretch);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  bool center_ = false;
  bool stretch_ = false;
};

}  // namespace paxamon
