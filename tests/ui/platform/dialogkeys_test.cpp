#include "ui/platform/dialogkeys.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "ui/platform/drawing.h"

namespace paxamon {
namespace {

QKeyEvent key(int code, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  return QKeyEvent(QEvent::KeyPress, code, mods, QString(QChar(char16_t(code))).toLower());
}

TEST(AccessKeys, PlainLetterOnlyWhereTheFocusTakesNoCharacters) {
  EXPECT_EQ(accelChar(" Das Kino &verlassen"), QChar('v'));
  EXPECT_TRUE(accelChar("Ende&").isNull());

  QWidget window;
  auto* edit = new QLineEdit(&window);
  auto* next = new QPushButton(QStringLiteral("&Weiter"), &window);
  window.show();
  // On a button: the plain letter and Alt plus the letter, either case.
  EXPECT_EQ(accessKeyTarget(next, key(Qt::Key_W)), next);
  EXPECT_EQ(accessKeyTarget(next, key(Qt::Key_W, Qt::ShiftModifier)), next);
  EXPECT_EQ(accessKeyTarget(next, key(Qt::Key_W, Qt::AltModifier)), next);
  EXPECT_EQ(accessKeyTarget(next, key(Qt::Key_W, Qt::ControlModifier)), nullptr);
  EXPECT_EQ(accessKeyTarget(next, key(Qt::Key_X)), nullptr);
  // In an edit field the letter is typed; Alt still clicks.
  EXPECT_EQ(accessKeyTarget(edit, key(Qt::Key_W)), nullptr);
  EXPECT_EQ(accessKeyTarget(edit, key(Qt::Key_W, Qt::AltModifier)), next);
  // A window whose controls take the letters needs Alt everywhere.
  setAccessKeysNeedAlt(&window, true);
  EXPECT_EQ(accessKeyTarget(next, key(Qt::Key_W)), nullptr);
  // A disabled control is skipped.
  next->setEnabled(false);
  EXPECT_EQ(accessKeyTarget(edit, key(Qt::Key_W, Qt::AltModifier)), nullptr);
}

}  // namespace
}  // namespace paxamon
