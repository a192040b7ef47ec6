// The about box and the credits roll: opened from the main window, left
// again by key and mouse.
#include <gtest/gtest.h>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

class About : public PaxamonTest {
 protected:
  // Opens "Hilfe" and chooses "Ü&ber..." by its letter.
  WindowId openAbout() {
    if (!app.openMenu(2)) return 0;
    desktop.key("b");
    return app.waitForActiveWindow(kAboutTitle);
  }
};

TEST_F(About, CentredClosedByKeyOrClickRightPressPlaysTheCredits) {
  WindowId about = openAbout();
  ASSERT_NE(about, 0u);
  EXPECT_EQ(desktop.settledFrame(about),
            QRect((Desktop::kScreenWidth - 249) / 2, (Desktop::kScreenHeight - 113) / 2, 249, 113));
  desktop.key("Down");
  pause(200ms);
  EXPECT_NE(desktop.findWindow(kAboutTitle), 0u) << "an arrow key closed the box";
  desktop.key("x");
  ASSERT_TRUE(desktop.waitForNoWindow(kAboutTitle));
  ASSERT_TRUE(app.waitForMainActive());

  about = openAbout();
  ASSERT_NE(about, 0u);
  desktop.click(desktop.clientRect(about).center());
  ASSERT_TRUE(desktop.waitForNoWindow(kAboutTitle));
  ASSERT_TRUE(app.waitForMainActive());

  about = openAbout();
  ASSERT_NE(about, 0u);
  desktop.click(desktop.clientRect(about).center(), 3);
  ASSERT_NE(app.waitForActiveWindow(kCreditsTitle), 0u) << "no credits roll";
  desktop.key("alt+v");
  EXPECT_TRUE(desktop.waitForNoWindow(kCreditsTitle));
  EXPECT_TRUE(desktop.waitForNoWindow(kAboutTitle));
  EXPECT_TRUE(app.waitForMainActive()) << "no window active after the roll";
}

TEST_F(About, CreditsFromTheVersionLineCopyrightLinesLeftByButtonAndLetter) {
  desktop.click(app.versionLine());
  const WindowId roll = app.waitForActiveWindow(kCreditsTitle);
  ASSERT_NE(roll, 0u);
  const QRect screen = desktop.clientRect(roll);
  EXPECT_EQ(screen, QRect(0, 0, Desktop::kScreenWidth, Desktop::kScreenHeight));
  // The strip rolls above the bottom bar (y < 440), in x 124 to 635; the
  // last line rests at y = 238 during the pause at the end.
  const QRect strip(screen.left() + 124, screen.top(), 512, 440);
  EXPECT_TRUE(desktop.showsText(strip, "Copyright © 2000 Till Taktgeber", 8000ms));
  EXPECT_TRUE(desktop.showsText(QRect(strip.left(), 220, strip.width(), 60), "© MM Till Taktgeber",
                                20000ms));
  desktop.key("Escape");  // not a way out
  pause(200ms);
  EXPECT_NE(desktop.findWindow(kCreditsTitle), 0u);
  // " Das Kino &verlassen" at (647, 3) on the bar at (0, 440), 110 x 20.
  desktop.click(screen.topLeft() + QPoint(702, 453));
  ASSERT_TRUE(desktop.waitForNoWindow(kCreditsTitle));
  ASSERT_TRUE(app.waitForMainActive());

  desktop.click(app.versionLine());
  ASSERT_NE(app.waitForActiveWindow(kCreditsTitle), 0u);
  desktop.key("v");
  EXPECT_TRUE(desktop.waitForNoWindow(kCreditsTitle)) << "the plain letter did not leave";
  EXPECT_TRUE(app.waitForMainActive());
}

}  // namespace
}  // namespace paxamon::e2e
