// The main window as the window manager shows it: its place, its icon, its
// menu; and the README's picture of it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

using Window = PaxamonTest;

// The program's icon as the window manager gets it: the chip, 32 x 32.
void expectChipIcon(Desktop& desktop, WindowId window, const char* what) {
  const QImage chip = QImage(QStringLiteral(PAXAMON_SOURCE_DIR "/src/ui/resources/PAXAMON.xpm"))
                          .convertToFormat(QImage::Format_ARGB32);
  const QImage icon = desktop.icon(window, 32);
  ASSERT_FALSE(icon.isNull()) << what << " has no 32 x 32 icon";
  int different = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const QRgb want = chip.pixel(x, y), got = icon.pixel(x, y);
      different += qAlpha(want) != qAlpha(got) || (qAlpha(want) != 0 && want != got);
    }
  }
  EXPECT_EQ(different, 0) << what << " does not carry the chip icon";
}

TEST_F(Window, CentredByItsOuterFrameAndEveryWindowCarriesTheChip) {
  const QRect frame = desktop.settledFrame(app.main());
  EXPECT_EQ(frame.topLeft(), QPoint((Desktop::kScreenWidth - frame.width()) / 2,
                                    (Desktop::kScreenHeight - frame.height()) / 2));
  expectChipIcon(desktop, app.main(), "the main window");
  app.typeProgram({"END"});
  desktop.key("F9");
  const WindowId dialog = desktop.waitForWindow(kStepTitle);
  ASSERT_NE(dialog, 0u);
  expectChipIcon(desktop, dialog, "the step dialog");
  app.confirmSteps(1);
  ASSERT_TRUE(app.waitForMainActive());
  desktop.click(app.overviewButton());
  const WindowId overview = desktop.waitForWindow(kOverviewTitle);
  ASSERT_NE(overview, 0u);
  expectChipIcon(desktop, overview, "the overview");
}

// The rows of the check column (x 2 to 24 of a menu) that differ from the
// menu's ground, as [first, last] bands; lines (the separator) left out.
std::vector<std::pair<int, int>> checkColumnBands(const QImage& menu) {
  const QRgb ground = menu.pixel(menu.width() / 2, 3);
  std::vector<std::pair<int, int>> bands;
  for (int y = 2; y < menu.height() - 2; ++y) {
    bool marked = false;
    for (int x = 2; x <= 24 && !marked; ++x)
      marked = menu.pixel(x, y) != ground;
    if (!marked) continue;
    if (!bands.empty() && bands.back().second >= y - 2) {
      bands.back().second = y;
    } else {
      bands.emplace_back(y, y);
    }
  }
  std::erase_if(bands, [](const auto& band) { return band.second - band.first < 3; });
  return bands;
}

TEST_F(Window, MenuShowsOnlyTheCheckMarkOfTheChosenMode) {
  for (const bool fullRun : {false, true}) {
    if (fullRun) desktop.key("F8");
    const WindowId menu = app.openMenu(1);  // "&Ablauf"
    ASSERT_NE(menu, 0u);
    pause(300ms);
    const QRect area = desktop.clientRect(menu);
    // One mark, beside its item: single steps in the middle third of the
    // menu, full run in the last.
    const std::vector<std::pair<int, int>> bands = checkColumnBands(desktop.grab(area));
    ASSERT_EQ(bands.size(), 1u) << "marks in the check column: " << bands.size();
    const int middle = (bands.front().first + bands.front().second) / 2;
    EXPECT_EQ(middle * 3 / area.height(), fullRun ? 2 : 1) << middle;
    desktop.key("Escape");
    ASSERT_TRUE(waitUntil([&] { return !desktop.isMapped(menu); }));
  }
}

// The README's picture: the main window after a full run of an example
// program, saved to $PAXAMON_SCREENSHOT when set (scripts/screenshot.sh).
TEST(Readme, MainWindowAfterARunOfAnExample) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  Paxamon app(desktop, {PAXAMON_SOURCE_DIR "/examples/summe.pax"});
  ASSERT_TRUE(app.started());
  desktop.key("F8");
  desktop.key("F9");
  pause(1000ms);
  const QRect frame = desktop.settledFrame(app.main());
  if (const char* file = std::getenv("PAXAMON_SCREENSHOT"); file && *file) {
    ASSERT_TRUE(desktop.grab(frame).save(QString::fromLocal8Bit(file)));
  }
  const std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[12], "42");
}

}  // namespace
}  // namespace paxamon::e2e
