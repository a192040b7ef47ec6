// Paxamon opened from outside: a file on the command line, a file dropped
// from a file manager, the command line's own answers, the platform choice.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <tuple>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

// A program file INC, STA5, END in folder.
std::string writeProgram(const std::string& folder, const std::string& name) {
  const std::string path = folder + "/" + name;
  Paxamon::writeFile(path, Paxamon::programFile({"INC", "STA5", "END"}));
  return path;
}

// Runs the program without a display; its exit status and standard output.
std::pair<int, std::string> runWithoutDisplay(const std::string& arguments) {
  const std::string command =
      "env -u DISPLAY -u WAYLAND_DISPLAY " PAXAMON_EXECUTABLE " " + arguments + " 2>&1";
  std::string out;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {-1, {}};
  char buffer[512];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
    out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

TEST(CommandLine, HelpVersionAndMistakesNeedNoDisplay) {
  auto [status, out] = runWithoutDisplay("--version");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out, "Paxamon 1.01\n");
  std::tie(status, out) = runWithoutDisplay("--help");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.rfind("Aufruf: paxamon [--help] [--version] [--] [DATEI]\n", 0), 0u) << out;
  std::tie(status, out) = runWithoutDisplay("--gibtsnicht");
  EXPECT_EQ(status, 2);
  EXPECT_EQ(out.rfind("paxamon: unbekannte Option: --gibtsnicht\n", 0), 0u) << out;
}

TEST(CommandLine, AFileIsLoadedAtStartAndTheLoadDialogProposesIt) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  const std::string path = writeProgram(desktop.folder(), "start.pax");
  Paxamon app(desktop, {path});
  ASSERT_TRUE(app.started());
  desktop.shot("command-line");
  std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[1], "STA5");
  // The load dialog proposes the file: Enter loads it again.
  ASSERT_NE(app.openWithKey("ctrl+l", kLoadTitle), 0u);
  desktop.key("Return");
  EXPECT_TRUE(desktop.waitForNoWindow(kLoadTitle)) << "the dialog proposed no file";
}

TEST(CommandLine, AMissingFileGivesTheLoadsBoxAndAnEmptyProgram) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  // The box about the file takes the activation at once.
  Paxamon app(desktop, {desktop.folder() + "/fehlt.pax"}, false);
  ASSERT_TRUE(app.started());
  const WindowId box = desktop.waitForWindow(kPlainTitle);
  ASSERT_NE(box, 0u);
  EXPECT_TRUE(
      desktop.showsText(box, "FEHLER: Die Datei ist nicht vorhanden oder läßt sich nicht öffnen"));
  desktop.key("Return");
  ASSERT_TRUE(desktop.waitForNoWindow(kPlainTitle));
  ASSERT_TRUE(app.waitForMainActive());
  const std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[0], "");
}

using Drop = PaxamonTest;

TEST_F(Drop, OneFileIsLoadedSeveralFilesAFolderOrDuringARunAreNot) {
  const std::string first = writeProgram(app.folder(), "erste.pax");
  const std::string second = writeProgram(app.folder(), "zweite.pax");
  const std::string folder = app.folder() + "/ordner";
  ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
  const QPoint onGrid = app.cell(20);

  EXPECT_EQ(desktop.dropFiles(app.main(), onGrid, {first, second}), 0) << "two files taken";
  EXPECT_EQ(desktop.dropFiles(app.main(), onGrid, {folder}), 0) << "a folder taken";
  // During an endless full run nothing is taken either.
  app.typeIntoCell(0, "JMP00");
  desktop.key("F8");
  desktop.key("F9");
  pause(300ms);
  EXPECT_EQ(desktop.dropFiles(app.main(), onGrid, {first}), 0) << "taken during a run";
  desktop.key("Escape");
  pause(300ms);

  EXPECT_EQ(desktop.dropFiles(app.main(), onGrid, {first}), 1) << "one file not taken";
  const std::vector<std::string> cells = app.cells();
  ASSERT_EQ(cells.size(), 32u);
  EXPECT_EQ(cells[0], "INC");
  EXPECT_EQ(cells[1], "STA5");
}

TEST(Platform, X11UnlessTheUserChoseAnother) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  // A Wayland session, no platform chosen: the program runs on X11.
  Process& chosen = desktop.start(
      {PAXAMON_EXECUTABLE}, desktop.folder(),
      {"QT_QPA_PLATFORM", "XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-paxamon-test"});
  EXPECT_NE(desktop.waitForWindow(kMainTitle, 15000ms), 0u);
  chosen.end();
  ASSERT_TRUE(desktop.waitForNoWindow(kMainTitle));
  // The user's choice wins: offscreen shows no window at all.
  Process& own =
      desktop.start({PAXAMON_EXECUTABLE}, desktop.folder(), {"QT_QPA_PLATFORM=offscreen"});
  pause(2000ms);
  EXPECT_TRUE(own.running());
  EXPECT_EQ(desktop.findWindow(kMainTitle), 0u);
}

}  // namespace
}  // namespace paxamon::e2e
