// The single-step dialog "Einzelschritte": shown modally after every step of
// a run in single steps, it asks for the next step or cancels the run.
#pragma once

#include <QDialog>
#include <QPushButton>

#include "machine/executor.h"

namespace paxamon {

class TForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);

  // Shows the dialog modally under the owner window and returns the choice.
  // summary says what the step did; a screen reader reads it with the
  // focused button.
  StepChoice execute(QWidget* owner, const QString& summary = {});

  // Where the dialog goes: centred under the owner, 3 pixels below its
  // bottom edge (outer frames).
  static QPoint placement(const QRect& ownerFrame, const QSize& dialogFrame);

  QPushButton* Button1;  // "nächster &Schritt"
  QPushButton* Button2;  // "&Abbrechen"

  void FormShow();
  void Button1Click();
  void Button2Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* owner_ = nullptr;
  StepChoice choice_ = StepChoice::Next;
};

}  // namespace paxamon
