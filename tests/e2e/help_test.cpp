// Help as a pupil asks for it: the contents from the menu, F1 on a menu
// item, F1 in a cell.
#include <gtest/gtest.h>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

// The help window, checked to lie beside the main window, not over it.
WindowId waitForHelpWindow(Desktop& desktop, Paxamon& app) {
  const WindowId help = desktop.waitForWindow(kHelpTitle);
  if (!help) return 0;
  const QRect frame = desktop.settledFrame(help);
  EXPECT_FALSE(frame.intersects(desktop.frameRect(app.main())))
      << "the help window covers the main window";
  return help;
}

// The text the help window shows.
QString helpText(Desktop& desktop, WindowId help) {
  return readText(desktop.grab(desktop.clientRect(help)));
}

TEST(Help, ContentsFromTheMenuBesideTheMainWindowClosedWithEscape) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  Paxamon app(desktop);
  ASSERT_TRUE(app.started());
  desktop.click(app.menuTitle(2));
  ASSERT_TRUE(waitUntil([&] { return !desktop.unmanagedWindows().empty(); }));
  desktop.key("h");  // "&Hilfe zu Paxamon"
  const WindowId help = waitForHelpWindow(desktop, app);
  ASSERT_NE(help, 0u);
  desktop.shot("help-contents");
  EXPECT_TRUE(containsRoughly(helpText(desktop, help), "Hilfe zu Paxamon"));
  ASSERT_TRUE(desktop.waitForActive(help));
  desktop.key("Escape");
  EXPECT_TRUE(desktop.waitForNoWindow(kHelpTitle)) << "Escape did not close the help";
}

TEST(Help, F1OnAHighlightedMenuItemShowsItsTopicAsAPopup) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  Paxamon app(desktop);
  ASSERT_TRUE(app.started());
  desktop.click(app.menuTitle(0));
  ASSERT_TRUE(waitUntil([&] { return !desktop.unmanagedWindows().empty(); }));
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
  const QString text = readText(desktop.grab(desktop.clientRect(popup)));
  EXPECT_TRUE(containsRoughly(text, "Programm laden")) << text.toStdString();
  desktop.key("Escape");
  EXPECT_TRUE(waitUntil([&] { return !desktop.isMapped(popup); }));
}

TEST(Help, F1OnMenuItemsWithoutANumberShowsTheContents) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  Paxamon app(desktop);
  ASSERT_TRUE(app.started());
  desktop.click(app.menuTitle(2));
  ASSERT_TRUE(waitUntil([&] { return !desktop.unmanagedWindows().empty(); }));
  desktop.key("Down");  // "&Hilfe zu Paxamon"
  desktop.key("F1");
  const WindowId help = waitForHelpWindow(desktop, app);
  ASSERT_NE(help, 0u) << "no help window";
  EXPECT_TRUE(containsRoughly(helpText(desktop, help), "Hilfe zu Paxamon"));
  EXPECT_EQ(desktop.findWindow(kHelpTitle), help);
}

TEST(Help, F1InACellOpensItsInstructionsTopic) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  Paxamon app(desktop);
  ASSERT_TRUE(app.started());
  app.typeIntoCell(3, "jmp3");
  desktop.key("F1");
  const WindowId help = waitForHelpWindow(desktop, app);
  ASSERT_NE(help, 0u);
  desktop.shot("help-keyword");
  EXPECT_TRUE(containsRoughly(helpText(desktop, help), "JMP – Springen"));
}

TEST(Help, F1InAnEmptyCellOpensTheIndexAtTheNearestEntry) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  Paxamon app(desktop);
  ASSERT_TRUE(app.started());
  desktop.click(app.cell(5));
  desktop.key("F1");
  const WindowId help = waitForHelpWindow(desktop, app);
  ASSERT_NE(help, 0u);
  ASSERT_TRUE(desktop.waitForActive(help));
  pause(200ms);
  desktop.shot("help-index");
  const QString text = helpText(desktop, help);
  EXPECT_FALSE(containsRoughly(text, "kein Thema")) << text.toStdString();
  // The keyword stands in the search field; Enter shows the entry chosen.
  desktop.key("Return");
  pause(300ms);
  EXPECT_TRUE(containsRoughly(helpText(desktop, help), "ADD – Addieren"));
}

}  // namespace
}  // namespace paxamon::e2e
