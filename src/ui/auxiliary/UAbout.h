// TAbout: the about box, a small borderless card with the program's name
// as a styled title, the version line, the icon and the copyright line. A
// click or a character key closes it; a right-button press on its picture,
// icon or texts closes it and plays the credits roll, and so does the
// context-menu key.
#pragma once

#include <QDialog>

namespace paxamon {

class TArtLabel;
class TForm4;
class TImage;
class TLabel;
class TPanel;

class TAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TAbout(QWidget* parent = nullptr);

  // The credits roll, created after this box at program start.
  void setCreditsWindow(TForm4* credits) { Form4 = credits; }

  // Controls, from back to front.
  TPanel* Panel1;
  TImage* Image1;
  TImage* ProgramIcon;
  TLabel* Copyright;
  TArtLabel* Titel;
  TArtLabel* ArtLabel1;

  // Handlers.
  void OKButtonClick();
  void FormKeyPress(QKeyEvent* event);
  void CopyrightMouseDown(Qt::MouseButton button);

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void createControls();  // the design-time layout
  void bindHandlers();

  TForm4* Form4 = nullptr;
};

}  // namespace paxamon
