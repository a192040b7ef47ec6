// Help as a pupil asks for it: the contents from the menu, F1 on a menu
// item, F1 in a cell.
#include <gtest/gtest.h>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

class Help : public PaxamonTest {
 protected:
  // The help window, checked to lie beside the main window, not over it.
  WindowId waitForHelpWindow() {
    const WindowId help = desktop.waitForWindow(kHelpTitle);
    if (!help) return 0;
    const QRect frame = desktop.settledFrame(help);
    EXPECT_FALSE(frame.intersects(desktop.frameRect(app.main())))
        << "the help window covers the main window";
    return help;
  }

  // Whether the help window shows text (read from the screen).
  bool shows(WindowId help, const char* text) { return desktop.showsText(help, text); }
};

TEST_F(Help, ContentsFromTheMenuBesideTheMainWindowClosedWithEscape) {
  ASSERT_NE(app.openMenu(2), 0u);
  desktop.key("h");  // "&Hilfe zu Paxamon"
  const WindowId help = waitForHelpWindow();
  ASSERT_NE(help, 0u);
  desktop.shot("help-contents");
  EXPECT_TRUE(shows(help, "Hilfe zu Paxamon"));
  ASSERT_TRUE(desktop.waitForActive(help));
  desktop.key("Escape");
  EXPECT_TRUE(desktop.waitForNoWindow(kHelpTitle)) << "Escape did not close the help";
}

TEST_F(Help, F1OnAHighlightedMenuItemShowsItsTopicAsAPopup) {
  ASSERT_NE(app.openMenu(0), 0u);
  desktop.key("Down");
  desktop.key("Down");  // "Programm &laden"
  desktop.key("F1");
  WindowId popup = 0;
  ASSERT_TRUE(waitUntil([&] {
    for (WindowId w : desktop.unmanagedWindows()) {
      if (desktop.clientRect(w).height() > 40) popup = w;
    }
    return popup != 0;
  })) << "no pop-up";
  pause(200ms);
  desktop.shot("help-popup");
  EXPECT_TRUE(desktop.showsText(popup, "Programm laden"));
  desktop.key("Escape");
  EXPECT_TRUE(waitUntil([&] { return !desktop.isMapped(popup); }));
}

TEST_F(Help, F1OnMenuItemsWithoutANumberShowsTheContents) {
  ASSERT_NE(app.openMenu(2), 0u);
  desktop.key("Down");  // "&Hilfe zu Paxamon"
  desktop.key("F1");
  const WindowId help = waitForHelpWindow();
  ASSERT_NE(help, 0u) << "no help window";
  EXPECT_TRUE(shows(help, "Hilfe zu Paxamon"));
}

TEST_F(Help, F1InACellOpensItsInstructionsTopic) {
  app.typeIntoCell(3, "jmp3");
  desktop.key("F1");
  const WindowId help = waitForHelpWindow();
  ASSERT_NE(help, 0u);
  desktop.shot("help-keyword");
  EXPECT_TRUE(shows(help, "JMP – Springen"));
}

TEST_F(Help, F1InAnEmptyCellOpensTheIndexAtTheNearestEntry) {
  desktop.click(app.cell(5));
  desktop.key("F1");
  const WindowId help = waitForHelpWindow();
  ASSERT_NE(help, 0u);
  ASSERT_TRUE(desktop.waitForActive(help));
  pause(200ms);
  desktop.shot("help-index");
  // No box saying there is no such topic: the help window is the only one.
  int helpWindows = 0;
  for (WindowId w : desktop.clientWindows())
    helpWindows += desktop.title(w) == kHelpTitle;
  EXPECT_EQ(helpWindows, 1);
  // The keyword stands in the search field; Enter shows the entry chosen,
  // the topic about cells without an instruction.
  desktop.key("Return");
  pause(300ms);
  EXPECT_TRUE(shows(help, "F1 in einer Zelle ohne Befehl"));
}

}  // namespace
}  // namespace paxamon::e2e
