// The program by keyboard alone: Tab through the main window with a visible
// mark on the drawn buttons, Alt+A and the menu "&Ablauf", and every window
// opened and left again by keys.
#include <gtest/gtest.h>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

class Keyboard : public PaxamonTest {
 protected:
  // The run and quit buttons of the main window, on the screen.
  QRect runButton() { return {app.at(248, 360), QSize(73, 25)}; }
  QRect quitButton() { return {app.at(330, 360), QSize(73, 25)}; }

  // Whether a button shows the dotted focus mark: dark dots along the row 3
  // pixels below its top edge, where the face is light otherwise.
  bool focusMarked(const QRect& button) {
    const QImage row =
        desktop.grab(QRect(button.left() + 3, button.top() + 3, button.width() - 6, 1));
    int dark = 0;
    for (int x = 0; x < row.width(); ++x) {
      const QColor c = row.pixelColor(x, 0);
      dark += c.red() + c.green() + c.blue() < 200;
    }
    return dark >= row.width() / 3;
  }

  // Whether the current cell of a grid shows in the highlight colour, as it
  // does while its grid does not have the focus.
  bool highlighted(int address) {
    const QPoint middle = app.cell(address);
    const QColor c = desktop.grab(QRect(middle + QPoint(25, 0), QSize(1, 1))).pixelColor(0, 0);
    return c.blue() > 100 && c.red() < 60 && c.green() < 60;
  }

  // Where the focus is, as the window shows it: a grid, a button or none.
  enum class Focus { Mem1, Mem2, Run, Quit, Unclear };
  Focus shownFocus() {
    const bool mem1 = !highlighted(0), mem2 = !highlighted(16);
    const bool run = focusMarked(runButton()), quit = focusMarked(quitButton());
    if (mem1 + mem2 + run + quit != 1) return Focus::Unclear;
    return mem1 ? Focus::Mem1 : mem2 ? Focus::Mem2 : run ? Focus::Run : Focus::Quit;
  }
  void expectFocus(Focus wanted, const char* after) {
    EXPECT_TRUE(waitUntil([&] { return shownFocus() == wanted; }, 2000ms))
        << "after " << after << ": " << static_cast<int>(shownFocus());
  }

  // A menu pop-up (an unmanaged window) once it is shown, or 0.
  WindowId waitForMenu() {
    WindowId menu = 0;
    waitUntil([&] {
      const std::vector<WindowId> popups = desktop.unmanagedWindows();
      menu = popups.empty() ? 0 : popups.back();
      return menu != 0;
    });
    return menu;
  }

  // Opens the help menu by Alt+H and chooses the item with letter; the
  // window titled title that opens, active, or 0.
  WindowId fromHelpMenu(const std::string& letter, const QString& title) {
    desktop.key("alt+h");
    if (!waitForMenu()) return 0;
    desktop.key(letter);
    return app.waitForActiveWindow(title);
  }
};

TEST_F(Keyboard, TabWalksTheGridsAndButtonsWithAFocusMarkSpaceAndEnterPress) {
  expectFocus(Focus::Mem1, "the start");
  const std::pair<const char*, Focus> walk[] = {
      {"Tab", Focus::Mem2}, {"Tab", Focus::Run},        {"Tab", Focus::Quit},
      {"Tab", Focus::Mem1}, {"shift+Tab", Focus::Quit}, {"shift+Tab", Focus::Run}};
  std::string keys;
  for (const auto& [key, focus] : walk) {
    desktop.key(key);
    keys += std::string(" ") + key;
    expectFocus(focus, keys.c_str());
  }

  // Space on " &Ausführen" runs the empty program: its error box; the
  // focus comes back to the button.
  desktop.key("space");
  ASSERT_NE(app.waitForActiveWindow(kPlainTitle), 0u) << "Space did not run";
  desktop.key("Return");
  ASSERT_TRUE(desktop.waitForNoWindow(kPlainTitle));
  ASSERT_TRUE(app.waitForMainActive());
  expectFocus(Focus::Run, "the box");

  // Enter on " &Beenden" quits.
  desktop.key("Tab");
  expectFocus(Focus::Quit, "the box and Tab");
  desktop.key("Return");
  ASSERT_TRUE(app.process().waitForExit(5000ms)) << "Enter on \"Beenden\" did not quit";
  EXPECT_EQ(app.process().exitStatus(), 0);
}

// The rule of the platform the program was designed for: Alt with a letter
// goes to the window's controls first, so Alt+A is the button " &Ausführen";
// Alt alone or F10 puts the menu bar in menu mode, where A opens "&Ablauf".
TEST_F(Keyboard, AltAClicksTheRunButtonAltAloneOrF10ThenAOpensTheMenu) {
  desktop.key("alt+a");
  ASSERT_NE(app.waitForActiveWindow(kPlainTitle), 0u) << "Alt+A did not run";
  desktop.key("Return");
  ASSERT_TRUE(desktop.waitForNoWindow(kPlainTitle));
  ASSERT_TRUE(app.waitForMainActive());

  for (const char* menuMode : {"Alt_L", "F10"}) {
    desktop.key(menuMode);
    desktop.key("a");
    const WindowId menu = waitForMenu();
    ASSERT_NE(menu, 0u) << menuMode << ", A: no menu";
    // "&Ablauf" opens under its title, the second of the bar.
    EXPECT_NEAR(desktop.clientRect(menu).left(), app.menuTitle(1).x() - 24, 16) << menuMode;
    EXPECT_TRUE(desktop.showsText(menu, "Gesamtdurchlauf")) << menuMode;
    desktop.key("Escape");
    desktop.key("Escape");
    EXPECT_TRUE(waitUntil([&] { return !desktop.isMapped(menu); })) << menuMode;
    EXPECT_EQ(desktop.findWindow(kPlainTitle), 0u) << menuMode << " ran the program";
    ASSERT_TRUE(app.waitForMainActive());
  }
}

TEST_F(Keyboard, EveryWindowOpensAndIsLeftByKeysAlone) {
  // The file dialogs.
  for (const auto& [keys, title] :
       {std::pair{"ctrl+l", kLoadTitle}, std::pair{"ctrl+s", kSaveTitle}}) {
    ASSERT_NE(app.openWithKey(keys, title), 0u) << keys;
    desktop.key("Escape");
    EXPECT_TRUE(desktop.waitForNoWindow(title)) << keys;
    ASSERT_TRUE(app.waitForMainActive());
  }

  // The overview, shown and hidden again from the menu.
  desktop.key("alt+h");
  ASSERT_NE(waitForMenu(), 0u);
  desktop.key("f");
  ASSERT_NE(desktop.waitForWindow(kOverviewTitle), 0u);
  ASSERT_TRUE(app.waitForMainActive());
  desktop.key("alt+h");
  ASSERT_NE(waitForMenu(), 0u);
  desktop.key("f");
  EXPECT_TRUE(desktop.waitForNoWindow(kOverviewTitle));
  ASSERT_TRUE(app.waitForMainActive());

  // The help, left with Escape.
  ASSERT_NE(fromHelpMenu("h", kHelpTitle), 0u);
  desktop.key("Escape");
  EXPECT_TRUE(desktop.waitForNoWindow(kHelpTitle));
  ASSERT_TRUE(app.waitForMainActive());

  // The about box, and from it the credits by the context-menu key; Tab
  // marks the leave button, Space leaves.
  ASSERT_NE(fromHelpMenu("b", kAboutTitle), 0u);
  desktop.key("Escape");
  EXPECT_TRUE(desktop.waitForNoWindow(kAboutTitle));
  ASSERT_TRUE(app.waitForMainActive());
  ASSERT_NE(fromHelpMenu("b", kAboutTitle), 0u);
  desktop.key("Menu");
  const WindowId roll = app.waitForActiveWindow(kCreditsTitle);
  ASSERT_NE(roll, 0u) << "the context-menu key did not play the credits";
  // " Das Kino &verlassen" at (647, 3) on the bar at (0, 440), 110 x 20.
  const QRect leave(desktop.clientRect(roll).topLeft() + QPoint(647, 443), QSize(110, 20));
  EXPECT_FALSE(focusMarked(leave)) << "a focus mark before the keyboard was used";
  desktop.key("Tab");
  EXPECT_TRUE(waitUntil([&] { return focusMarked(leave); }, 2000ms)) << "no focus mark";
  desktop.key("space");
  EXPECT_TRUE(desktop.waitForNoWindow(kCreditsTitle));
  EXPECT_TRUE(desktop.waitForNoWindow(kAboutTitle));
  ASSERT_TRUE(app.waitForMainActive());

  // The step dialog: Tab to "&Abbrechen", Space cancels.
  app.typeIntoCell(0, "END");
  desktop.key("F9");
  ASSERT_NE(app.waitForActiveWindow(kStepTitle), 0u);
  desktop.key("Tab");
  desktop.key("space");
  EXPECT_TRUE(desktop.waitForNoWindow(kStepTitle));
  ASSERT_TRUE(app.waitForMainActive());
}

}  // namespace
}  // namespace paxamon::e2e
