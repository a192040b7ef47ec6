#include "ui/auxiliary/UAbout.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ui/components/ArtLabel.h"
#include "ui/platform/controls.h"
#include "ui/platform/image.h"
#include "ui/platform/panel.h"

namespace paxamon {
namespace {

TEST(AboutBoxTest, CharacterKeysAndRightPressesOnTheCardCloseTheBox) {
  TAbout about;  // without the credits roll, which a right press would play first
  // Arrows, function keys, Shift and Alt with a letter (a menu key) do not.
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, bool> keys[] = {
      {Qt::Key_Escape, {}, true},
      {Qt::Key_Return, {}, true},
      {Qt::Key_A, {}, true},
      {Qt::Key_Left, {}, false},
      {Qt::Key_F5, {}, false},
      {Qt::Key_Shift, {}, false},
      {Qt::Key_A, Qt::AltModifier, false},
      // The context-menu key and Shift+F10 are the keyboard's right press.
      {Qt::Key_Menu, {}, true},
      {Qt::Key_F10, Qt::ShiftModifier, true}};
  for (const auto& [key, mods, closes] : keys) {
    about.show();
    QTest::keyClick(&about, key, mods);
    EXPECT_EQ(about.isVisible(), !closes) << key;
  }
  // The panel's uncovered border has no press handler.
  for (QWidget* target :
       std::initializer_list<QWidget*>{about.Titel, about.ArtLabel1, about.Image1,
                                       about.ProgramIcon, about.Copyright, about.Panel1}) {
    about.show();
    QTest::mousePress(target, Qt::RightButton, {}, QPoint(1, 1));
    EXPECT_EQ(about.isVisible(), target == about.Panel1) << target->metaObject()->className();
  }
}

}  // namespace
}  // namespace paxamon
