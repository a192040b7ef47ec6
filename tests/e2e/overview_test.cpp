// The instruction overview docks at the main window's right edge, 21 pixels
// below its top (outer frames), every time it is shown.
#include <gtest/gtest.h>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

class Overview : public PaxamonTest {
 protected:
  void expectDocked(WindowId overview, int showing) {
    const QRect main = desktop.settledFrame(app.main());
    const QRect frame = desktop.settledFrame(overview);
    EXPECT_EQ(frame.topLeft(), QPoint(main.left() + main.width(), main.top() + 21))
        << "showing " << showing << ", main window's frame " << testing::PrintToString(main);
  }
};

TEST_F(Overview, DocksAtItsFirstShowingRightAfterStart) {
  desktop.click(app.overviewButton());
  const WindowId overview = desktop.waitForWindow(kOverviewTitle);
  ASSERT_NE(overview, 0u);
  expectDocked(overview, 1);
  desktop.shot("overview");
  // Activation goes back to the main window, which takes typing.
  EXPECT_TRUE(app.waitForMainActive(2000ms));
}

TEST_F(Overview, DocksOnEachOfTwentyShowingsAlsoAfterTheMainWindowMoved) {
  WindowId overview = 0;
  for (int showing = 1; showing <= 20; ++showing) {
    if (showing == 11) {
      // Drag the main window by its title bar to another place.
      const QRect main = desktop.frameRect(app.main());
      const QPoint grip(main.left() + 60, main.top() + 10);
      desktop.drag(grip, grip + QPoint(-250, -180));
      ASSERT_TRUE(waitUntil([&] {
        return desktop.frameRect(app.main()).topLeft() != main.topLeft();
      })) << "the main window did not move";
    }
    if (overview) desktop.watchMaps(overview);
    desktop.click(app.overviewButton());
    overview = overview ? desktop.waitForShownAgain(kOverviewTitle, overview)
                        : desktop.waitForWindow(kOverviewTitle);
    ASSERT_NE(overview, 0u) << "showing " << showing;
    expectDocked(overview, showing);
    ASSERT_TRUE(app.waitForMainActive(2000ms));
    desktop.click(app.overviewButton());  // and hidden again
    ASSERT_TRUE(desktop.waitForNoWindow(kOverviewTitle)) << "showing " << showing;
  }
}

TEST_F(Overview, ClosesWithItsButtonAndLeavesTheMainWindowActive) {
  desktop.click(app.overviewButton());
  const WindowId overview = desktop.waitForWindow(kOverviewTitle);
  ASSERT_NE(overview, 0u);
  const QRect client = desktop.clientRect(overview);
  // A click into the overview hands activation back.
  desktop.click(client.topLeft() + QPoint(30, 100));
  EXPECT_TRUE(app.waitForMainActive(2000ms));
  // "Schließen" at (90, 364), 82 x 22.
  desktop.click(client.topLeft() + QPoint(131, 375));
  EXPECT_TRUE(desktop.waitForNoWindow(kOverviewTitle));
  EXPECT_TRUE(app.waitForMainActive(2000ms));
}

}  // namespace
}  // namespace paxamon::e2e
