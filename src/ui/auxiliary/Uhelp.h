// The instruction overview "Befehlsübersicht": a small tool window that
// lists the 16 instructions with their meaning. It docks at the right edge
// of the main window whenever it is shown and hands activation straight
// back, so the user can keep typing while it is open.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>

namespace paxamon {

class TBevel;
class TLabel;
class TOfficeButton;
class TPanel;
class TTimer;

class TForm3 : public QWidget {
  Q_OBJECT
 public:
  // mainWindow: the window the overview docks at and gives activation back
  // to; the overview stays a tool window above it.
  explicit TForm3(QWidget* mainWindow);

  // The main window's command: hides the overview when it is showing,
  // shows it (not modally) otherwise.
  void Toggle();

  // Where the overview's outer frame goes for a main window whose outer
  // frame is mainFrame: at its right edge, 21 pixels below its top.
  static QPoint placement(const QRect& mainFrame);

  // Controls, in the order they lie from back to front.
  TBevel* Bevel1;           // raised, behind the header
  TPanel* Panel1;           // the header
  TLabel *Label1, *Label2;  // "Befehl", "Funktion"
  TBevel* Bevel3;           // the column line inside the header
  TBevel* Bevel2;           // the column line
  TBevel* Bevel4;           // the footer line
  std::array<TLabel*, 16> Instructions;
  std::array<TLabel*, 16> Meanings;
  TOfficeButton* OfficeButton1;
  TTimer* Timer1;

  // Handlers.
  void FormShow();
  void FormActivate();
  void Timer1Timer();
  void BI_GradientButton1Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void createControls();  // the design-time layout

  QPointer<QWidget> mainWindow_;
};

}  // namespace paxamon
