// Help as a pupil asks for it: the contents from the menu, F1 on a menu
// item, F1 in a cell.
#include <gtest/gtest.h>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

class Help : public PaxamonTest {
 protected:
  // The help window, active and beside the main window, not over it.
  WindowId waitForHelpWindow() {
    const WindowId help = app.waitForActiveWindow(kHelpTitle);
    if (!help) return 0;
    EXPECT_FALSE(desktop.settledFrame(help).intersects(desktop.frameRect(app.main())))
        << "the help window covers the main window";
    return help;
  }

  void closeWithEscape() {
    desktop.key("Escape");
    EXPECT_TRUE(desktop.waitForNoWindow(kHelpTitle)) << "Escape did not close the help";
    ASSERT_TRUE(app.waitForMainActive());
  }
};

TEST_F(Help, FromTheMenuContentsAndAPopupForTheHighlightedItem) {
  ASSERT_NE(app.openMenu(2), 0u);
  desktop.key("h");  // "&Hilfe zu Paxamon"
  WindowId help = waitForHelpWindow();
  ASSERT_NE(help, 0u);
  EXPECT_TRUE(desktop.showsText(help, "Hilfe zu Paxamon"));
  closeWithEscape();

  // F1 on an item without a number: the contents too.
  ASSERT_NE(app.openMenu(2), 0u);
  desktop.key("Down");  // "&Hilfe zu Paxamon"
  desktop.key("F1");
  help = waitForHelpWindow();
  ASSERT_NE(help, 0u) << "no help window";
  EXPECT_TRUE(desktop.showsText(help, "Hilfe zu Paxamon"));
  closeWithEscape();

  // F1 on "Programm &laden": its topic as a pop-up.
  ASSERT_NE(app.openMenu(0), 0u);
  desktop.key("Down");
  desktop.key("Down");
  desktop.key("F1");
  // The pop-up is the one window the window manager does not manage that
  // is taller than a menu item.
  const auto waitForPopup = [&] {
    WindowId found = 0;
    waitUntil([&] {
      for (WindowId w : desktop.unmanagedWindows()) {
        if (desktop.clientRect(w).height() > 40) found = w;
      }
      return found != 0;
    });
    return found;
  };
  WindowId popup = waitForPopup();
  ASSERT_NE(popup, 0u) << "no pop-up";
  EXPECT_TRUE(desktop.showsText(popup, "Programm laden"));
  desktop.key("Escape");
  EXPECT_TRUE(waitUntil([&] { return !desktop.isMapped(popup); }));

  // A long pop-up shows its topic to the last line.
  ASSERT_NE(app.openMenu(0), 0u);
  for (const char* key : {"Down", "Down", "Down", "F1"})
    desktop.key(key);
  popup = waitForPopup();
  ASSERT_NE(popup, 0u) << "no pop-up";
  EXPECT_TRUE(desktop.showsText(popup, "eine vorhandene Datei bleibt, wie sie war."));
  desktop.key("Escape");
  EXPECT_TRUE(waitUntil([&] { return !desktop.isMapped(popup); }));
}

TEST_F(Help, F1InACellItsInstructionOrTheIndexAtTheNearestEntry) {
  app.typeIntoCell(3, "jmp3");
  desktop.key("F1");
  WindowId help = waitForHelpWindow();
  ASSERT_NE(help, 0u);
  EXPECT_TRUE(desktop.showsText(help, "JMP – Springen"));
  closeWithEscape();

  desktop.click(app.cell(5));  // an empty cell
  desktop.key("F1");
  help = waitForHelpWindow();
  ASSERT_NE(help, 0u);
  // No box saying there is no such topic: the help window is the only one.
  int helpWindows = 0;
  for (WindowId w : desktop.clientWindows())
    helpWindows += desktop.title(w) == kHelpTitle;
  EXPECT_EQ(helpWindows, 1);
  // The keyword stands in the search field; Enter shows the entry chosen.
  desktop.key("Return");
  EXPECT_TRUE(desktop.showsText(help, "F1 in einer Zelle ohne Befehl"));
}

TEST_F(Help, F1InACellInsideTheScreenBesideTheMainWindowAndTheOverview) {
  desktop.click(app.overviewButton());
  const WindowId overview = desktop.waitForWindow(kOverviewTitle);
  ASSERT_NE(overview, 0u);
  ASSERT_TRUE(app.waitForMainActive());
  app.typeIntoCell(0, "LDA5");
  desktop.key("F1");
  const WindowId help = waitForHelpWindow();
  ASSERT_NE(help, 0u);
  const QRect frame = desktop.settledFrame(help);
  EXPECT_TRUE(QRect(0, 0, Desktop::kScreenWidth, Desktop::kScreenHeight).contains(frame))
      << testing::PrintToString(frame);
  EXPECT_FALSE(frame.intersects(desktop.frameRect(overview)))
      << "the help window covers the overview";
  // The topic, in the lower part of the narrow window.
  const QRect client = desktop.clientRect(help);
  EXPECT_TRUE(desktop.showsText(client.adjusted(0, client.height() * 2 / 5, 0, 0),
                                "LDAxx lädt den Inhalt der Zelle"));
}

}  // namespace
}  // namespace paxamon::e2e
