// The about box and the credits roll: opened from the main window, left
// again by key and mouse.
#include <gtest/gtest.h>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

// Opens "Hilfe" and chooses "Ü&ber..." by its letter.
WindowId openAbout(Desktop& desktop, Paxamon& app) {
  desktop.click(app.menuTitle(2));
  if (!waitUntil([&] { return !desktop.unmanagedWindows().empty(); })) return 0;
  desktop.key("b");
  return desktop.waitForWindow(kAboutTitle);
}

// The version line "Version 1.01" in the tool bar strip.
QPoint versionLine(Paxamon& app) {
  return app.at(395, 17);
}

TEST(About, OpensCentredAndClosesWithACharacterKeyButNotAnArrow) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  Paxamon app(desktop);
  ASSERT_TRUE(app.started());
  const WindowId about = openAbout(desktop, app);
  ASSERT_NE(about, 0u);
  const QRect card = desktop.settledFrame(about);
  desktop.shot("about");
  EXPECT_EQ(card.size(), QSize(249, 113));
  EXPECT_EQ(card.topLeft(),
            QPoint((Desktop::kScreenWidth - 249) / 2, (Desktop::kScreenHeight - 113) / 2));
  ASSERT_TRUE(desktop.waitForActive(about));
  desktop.key("Down");
  pause(200ms);
  EXPECT_NE(desktop.findWindow(kAboutTitle), 0u) << "an arrow key closed the box";
  desktop.key("x");
  EXPECT_TRUE(desktop.waitForNoWindow(kAboutTitle));
  EXPECT_TRUE(app.waitForMainActive());
}

TEST(About, LeftClickClosesRightPressStartsTheCredits) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  Paxamon app(desktop);
  ASSERT_TRUE(app.started());
  WindowId about = openAbout(desktop, app);
  ASSERT_NE(about, 0u);
  desktop.click(desktop.clientRect(about).center());
  ASSERT_TRUE(desktop.waitForNoWindow(kAboutTitle));
  ASSERT_TRUE(app.waitForMainActive());

  about = openAbout(desktop, app);
  ASSERT_NE(about, 0u);
  desktop.click(desktop.clientRect(about).center(), 3);
  const WindowId roll = desktop.waitForWindow(kCreditsTitle);
  ASSERT_NE(roll, 0u) << "no credits roll";
  ASSERT_TRUE(desktop.waitForActive(roll));
  desktop.key("alt+v");
  EXPECT_TRUE(desktop.waitForNoWindow(kCreditsTitle));
  EXPECT_TRUE(desktop.waitForNoWindow(kAboutTitle));
  EXPECT_TRUE(app.waitForMainActive());
}

TEST(Credits, OpenFromTheVersionLineAndLeaveWithThePlainLetter) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  Paxamon app(desktop);
  ASSERT_TRUE(app.started());
  desktop.click(versionLine(app));
  const WindowId roll = desktop.waitForWindow(kCreditsTitle);
  ASSERT_NE(roll, 0u);
  ASSERT_TRUE(desktop.waitForActive(roll));
  const QRect screen = desktop.clientRect(roll);
  EXPECT_EQ(screen, QRect(0, 0, Desktop::kScreenWidth, Desktop::kScreenHeight));
  desktop.key("Escape");  // not a way out
  pause(200ms);
  EXPECT_NE(desktop.findWindow(kCreditsTitle), 0u);
  desktop.key("v");
  EXPECT_TRUE(desktop.waitForNoWindow(kCreditsTitle)) << "the plain letter did not leave";
  EXPECT_TRUE(app.waitForMainActive());
}

TEST(Credits, LeaveButtonAndTheAuthorsCopyrightLines) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  Paxamon app(desktop);
  ASSERT_TRUE(app.started());
  desktop.click(versionLine(app));
  const WindowId roll = desktop.waitForWindow(kCreditsTitle);
  ASSERT_NE(roll, 0u);
  const QRect screen = desktop.clientRect(roll);
  // The strip rolls behind the area above the bottom bar (y < 440), in the
  // columns of the strip (x 124 to 635).
  const QRect stripArea(screen.left() + 124, screen.top(), 512, 440);
  bool sawCopyright = false;
  waitUntil(
      [&] {
        return sawCopyright = containsRoughly(readText(desktop.grab(stripArea)),
                                              "Copyright © 2000 Till Taktgeber");
      },
      8000ms);
  EXPECT_TRUE(sawCopyright) << "the roll's copyright line does not name the author";
  // The last line rests at y = 238 during the pause at the end.
  bool sawLastLine = false;
  waitUntil(
      [&] {
        return sawLastLine = containsRoughly(
                   readText(desktop.grab(QRect(stripArea.left(), 220, stripArea.width(), 60))),
                   "© MM Till Taktgeber");
      },
      20000ms);
  desktop.shot("credits-end");
  EXPECT_TRUE(sawLastLine) << "the roll's last line does not name the author";
  // " Das Kino &verlassen" at (647, 3) on the bar at (0, 440), 110 x 20.
  desktop.click(screen.topLeft() + QPoint(702, 453));
  EXPECT_TRUE(desktop.waitForNoWindow(kCreditsTitle));
  EXPECT_TRUE(app.waitForMainActive());
}

}  // namespace
}  // namespace paxamon::e2e
