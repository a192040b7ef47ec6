// TForm4: the credits roll. A borderless, maximized black window in which
// a strip of white caption lines scrolls upward, rests at its end for three
// seconds and starts again, until the user leaves with the button in the
// bottom bar. TForm5 is the black background shown behind it.
#pragma once

#include <QDialog>

namespace paxamon {

class TBevel;
class TBI_GradientButton;
class TForm5;
class TLabel;
class TPanel;
class TTimer;

class TForm4 : public QDialog {
  Q_OBJECT
 public:
  // The strip's top when the roll starts, and the top at which it rests:
  // its bottom edge (top + 1550) at y = 300.
  static constexpr int kStartTop = 450;
  static constexpr int kEndTop = -1250;
  static constexpr int kRollInterval = 1;      // milliseconds
  static constexpr int kPauseInterval = 3000;  // milliseconds

  explicit TForm4(QWidget* parent = nullptr);

  // The background window, created after this one at program start.
  void setBackground(TForm5* background);

  // The window's general-purpose tag, holding the pause flag: 0 while
  // rolling, 1 during the end pause.
  int Tag = 0;
  int pauseFlag() const { return Tag; }

  // Rounds of the busy computation in every roll step; the pace of the
  // roll rests on it. Tests may lower it.
  int BusyWaitRounds = 50000;

  // The design client area, 760 x 464 in the top-left corner, which holds
  // every control. On a larger screen the rest of the window stays black,
  // the strip included where it reaches below the bar.
  QWidget* Client;
  // Controls, from back to front.
  TPanel* HG;  // the strip that carries the caption lines and scrolls
  TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10,
      *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18, *Label19,
      *Label20, *Label21, *Label22, *Label23, *Label24, *Label25, *Label26, *Label27, *Label28,
      *Label29, *Label30, *Label31, *Label32, *Label33, *Label34, *Label35, *Label36, *Label37,
      *Label38, *Label39, *Label40, *Label41, *Label42, *Label43;
  TPanel* Panel1;  // the bottom bar
  TBevel* Bevel1;
  TBI_GradientButton* BI_GradientButton2;  // " Das Kino &verlassen"
  TTimer* Timer1;

  // Handlers.
  void FormShow();
  void Timer1Timer();  // one roll step
  void Button1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void createControls();  // the design-time layout
  void stopRolling();

  TForm5* Form5 = nullptr;
};

}  // namespace paxamon
