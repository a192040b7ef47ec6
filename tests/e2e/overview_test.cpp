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
    EXPECT_EQ(desktop.settledFrame(overview).topLeft(),
              QPoint(main.left() + main.width(), main.top() + 21))
        << "showing " << showing << ", main window's frame " << testing::PrintToString(main);
  }
};

TEST_F(Overview, DockedRightAfterStartHandsActivationBackClosesWithItsButton) {
  desktop.click(app.overviewButton());
  const WindowId overview = desktop.waitForWindow(kOverviewTitle);
  ASSERT_NE(overview, 0u);
  expectDocked(overview, 1);
  EXPECT_TRUE(app.waitForMainActive(2000ms));
  const QRect client = desktop.clientRect(overview);
  desktop.click(client.topLeft() + QPoint(30, 100));  // a click into it hands back too
  EXPECT_TRUE(app.waitForMainActive(2000ms));
  desktop.click(client.topLeft() + QPoint(131, 375));  // "Schließen" at (90, 364), 82 x 22
  EXPECT_TRUE(desktop.waitForNoWindow(kOverviewTitle));
}

TEST_F(Overview, DockedOnEachOfTwentyShowingsAlsoAfterTheMainWindowMoved) {
  WindowId overview = 0;
  for (int showing = 1; showing <= 20; ++showing) {
    if (showing == 11) {  // drag the main window by its title bar
      const QRect main = desktop.frameRect(app.main());
      const QPoint grip(main.left() + 60, main.top() + 10);
      desktop.drag(grip, grip + QPoint(-250, -180));
      ASSERT_TRUE(
          waitUntil([&] { return desktop.frameRect(app.main()).topLeft() != main.topLeft(); }));
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

}  // namespace
}  // namespace paxamon::e2e
