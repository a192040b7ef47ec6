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
    return desktop.waitForWindow(kAboutTitle);
  }
};

TEST_F(About, OpensCentredAndClosesWithACharacterKeyButNotAnArrow) {
  const WindowId about = openAbout();
  ASSERT_NE(about, 0u);
  const QRect card = desktop.settledFrame(about);
  desktop.shot("about");
  EXPECT_EQ(card,
            QRect((Desktop::kScreenWidth - 249) / 2, (Desktop::kScreenHeight - 113) / 2, 249, 113));
  ASSERT_TRUE(desktop.waitForActive(about));
  desktop.key("Down");
  pause(200ms);
  EXPECT_NE(desktop.findWindow(kAboutTitle), 0u) << "an arrow key closed the box";
  desktop.key("x");
  EXPECT_TRUE(desktop.waitForNoWindow(kAboutTitle));
  EXPECT_TRUE(app.waitForMainActive());
}

TEST_F(About, LeftClickClosesRightPressStartsTheCredits) {
  WindowId about = openAbout();
  ASSERT_NE(about, 0u);
  desktop.click(desktop.clientRect(about).center());
  ASSERT_TRUE(desktop.waitForNoWindow(kAboutTitle));
  ASSERT_TRUE(app.waitForMainActive());

  about = openAbout();
  ASSERT_NE(about, 0u);
  desktop.click(desktop.clientRect(about).center(), 3);
  const WindowId roll = desktop.waitForWindow(kCreditsTitle);
  ASSERT_NE(roll, 0u) << "no credits roll";
  ASSERT_TRUE(desktop.waitForActive(roll));
  desktop.key("alt+v");
  EXPECT_TRUE(desktop.waitForNoWindow(kCreditsTitle));
  EXPECT_TRUE(desktop.waitForNoWindow(kAboutTitle));
  EXPECT_TRUE(app.waitForMainActive()) << "no window active after the roll";
}

class Credits : public PaxamonTest {
 protected:
  WindowId openRoll() {
    desktop.click(app.versionLine());
    const WindowId roll = desktop.waitForWindow(kCreditsTitle);
    return roll && desktop.waitForActive(roll) ? roll : 0;
  }
};

TEST_F(Credits, OpenFromTheVersionLineAndLeaveWithThePlainLetter) {
  const WindowId roll = openRoll();
  ASSERT_NE(roll, 0u);
  EXPECT_EQ(desktop.clientRect(roll), QRect(0, 0, Desktop::kScreenWidth, Desktop::kScreenHeight));
  desktop.key("Escape");  // not a way out
  pause(200ms);
  EXPECT_NE(desktop.findWindow(kCreditsTitle), 0u);
  desktop.key("v");
  EXPECT_TRUE(desktop.waitForNoWindow(kCreditsTitle)) << "the plain letter did not leave";
  EXPECT_TRUE(app.waitForMainActive());
}

TEST_F(Credits, LeaveButtonAndTheAuthorsCopyrightLines) {
  const WindowId roll = openRoll();
  ASSERT_NE(roll, 0u);
  const QRect screen = desktop.clientRect(roll);
  // The strip rolls behind the area above the bottom bar (y < 440), in the
  // columns of the strip (x 124 to 635).
  const QRect stripArea(screen.left() + 124, screen.top(), 512, 440);
  EXPECT_TRUE(desktop.showsText(stripArea, "Copyright © 2000 Till Taktgeber", 8000ms))
      << "the roll's copyright line does not name the author";
  // The last line rests at y = 238 during the pause at the end.
  EXPECT_TRUE(desktop.showsText(QRect(stripArea.left(), 220, stripArea.width(), 60),
                                "© MM Till Taktgeber", 20000ms))
      << "the roll's last line does not name the author";
  desktop.shot("credits-end");
  // " Das Kino &verlassen" at (647, 3) on the bar at (0, 440), 110 x 20.
  desktop.click(screen.topLeft() + QPoint(702, 453));
  EXPECT_TRUE(desktop.waitForNoWindow(kCreditsTitle));
  EXPECT_TRUE(app.waitForMainActive());
}

}  // namespace
}  // namespace paxamon::e2e
