#include "ui/platform/dialogkeys.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace paxamon {
namespace {

// A custom-drawn control with an access letter.
class Lamp : public QWidget, public AccessKeyControl {
 public:
  using QWidget::QWidget;
  QChar accessKey() const override { return QChar('L'); }
  bool acceptsAccessKey() const override { return isVisible(); }
  void activateByAccessKey() override { ++clicks; }
  int clicks = 0;
};

QKeyEvent key(int code, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  return QKeyEvent(QEvent::KeyPress, code, mods, QString(QChar(char16_t(code))).toLower());
}

struct Window {
  Window() {
    edit = new QLineEdit(&window);
    next = new QPushButton(QStringLiteral("&Weiter"), &window);
    lamp = new Lamp(&window);
    window.show();
  }
  QWidget window;
  QLineEdit* edit;
  QPushButton* next;
  Lamp* lamp;
};

TEST(AccessKeys, PlainLetterOnlyWhereTheFocusTakesNoCharacters) {
  Window w;
  // On a button: the plain letter and Alt plus the letter, either case.
  EXPECT_EQ(accessKeyTarget(w.next, key(Qt::Key_W)), w.next);
  EXPECT_EQ(accessKeyTarget(w.next, key(Qt::Key_W, Qt::ShiftModifier)), w.next);
  EXPECT_EQ(accessKeyTarget(w.next, key(Qt::Key_W, Qt::AltModifier)), w.next);
  EXPECT_EQ(accessKeyTarget(w.next, key(Qt::Key_L)), w.lamp);
  EXPECT_EQ(accessKeyTarget(w.next, key(Qt::Key_W, Qt::ControlModifier)), nullptr);
  EXPECT_EQ(accessKeyTarget(w.next, key(Qt::Key_X)), nullptr);
  // In an edit field the letter is typed; Alt still clicks.
  EXPECT_EQ(accessKeyTarget(w.edit, key(Qt::Key_W)), nullptr);
  EXPECT_EQ(accessKeyTarget(w.edit, key(Qt::Key_W, Qt::AltModifier)), w.next);
  // A window whose controls take the letters needs Alt everywhere.
  setAccessKeysNeedAlt(&w.window, true);
  EXPECT_EQ(accessKeyTarget(w.next, key(Qt::Key_W)), nullptr);
  EXPECT_EQ(accessKeyTarget(w.next, key(Qt::Key_L, Qt::AltModifier)), w.lamp);
  // A disabled or hidden control is skipped.
  w.next->setEnabled(false);
  w.lamp->hide();
  EXPECT_EQ(accessKeyTarget(w.edit, key(Qt::Key_W, Qt::AltModifier)), nullptr);
  EXPECT_EQ(accessKeyTarget(w.edit, key(Qt::Key_L, Qt::AltModifier)), nullptr);
}

TEST(AccessKeys, TheFilterClicksOnceAndClaimsTheKeyFromShortcuts) {
  Window w;
  w.window.activateWindow();
  w.next->setFocus();
  int clicks = 0;
  QObject::connect(w.next, &QPushButton::clicked, [&] { ++clicks; });
  QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_W, Qt::AltModifier, QStringLiteral("w"));
  override.ignore();
  QApplication::sendEvent(w.next, &override);
  EXPECT_TRUE(override.isAccepted());
  EXPECT_EQ(clicks, 0);
  QKeyEvent press = key(Qt::Key_W);
  QApplication::sendEvent(w.next, &press);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace paxamon
