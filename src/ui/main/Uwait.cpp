#include "ui/main/Uwait.h"

#include <QKeyEvent>

#include "ui/platform/colors.h"
#include "ui/platform/fonts.h"
#include "ui/platform/placement.h"

namespace paxamon {

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  // Design-time layout.
  setWindowTitle(QStringLiteral("Einzelschritte"));
  setFixedSize(180, 24);
  setFont(makeFont("MS Sans Serif", 11));
  Button1 = new QPushButton(QStringLiteral("nächster &Schritt"), this);
  Button1->setGeometry(0, 0, 89, 25);
  Button2 = new QPushButton(QStringLiteral("&Abbrechen"), this);
  Button2->setGeometry(92, 0, 89, 25);
  setTabOrder(Button1, Button2);

  connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
}

StepChoice TForm2::execute(QWidget* owner, const QString& summary) {
  owner_ = owner;
  setAccessibleDescription(summary);
  Button1->setAccessibleDescription(summary);
  choice_ = StepChoice::Next;
  exec();
  return choice_;
}

QPoint TForm2::placement(const QRect& ownerFrame, const QSize& dialogFrame) {
  return {ownerFrame.left() + ownerFrame.width() / 2 - dialogFrame.width() / 2,
          ownerFrame.top() + ownerFrame.height() + 3};
}

void TForm2::FormShow() {
  if (owner_) {
    const QMargins frame = frameMargins(this, owner_);
    placeFrame(this, placement(outerFrame(owner_), size().grownBy(frame)), frame);
  }
  Button1->setFocus();
}

void TForm2::Button1Click() {
  close();
}

void TForm2::Button2Click() {
  choice_ = StepChoice::Cancel;
  close();
}

void TForm2::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TForm2::keyPressEvent(QKeyEvent* event) {
  // The dialog has no cancel button of its own: Escape does nothing.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace paxamon
