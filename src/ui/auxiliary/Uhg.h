// TForm5: the black background behind the credits roll. It is shown
// maximized while the roll runs and never takes input.
#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

namespace paxamon {

class TBevel;
class TForm4;

class TForm5 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* parent = nullptr);

  // The roll window the frame is placed for and handed the activation.
  void setRollWindow(TForm4* roll) { Form4 = roll; }

  // Where the frame goes: around a window of size roll centred on a screen
  // of size screen, one pixel wider and two higher on the top and left.
  static QRect framePlacement(QSize screen, QSize roll);

  TBevel* frame;

  void FormShow();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void createControls();  // the design-time layout

  TForm4* Form4 = nullptr;
};

}  // namespace paxamon
