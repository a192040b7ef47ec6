// An installed Paxamon shows its own help, even where the pupil's working
// folder holds another Paxamon.hlp.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

namespace fs = std::filesystem;

TEST(Installed, ItsOwnHelpBeforeOneInTheWorkingFolder) {
  Desktop desktop;
  ASSERT_TRUE(desktop.ready());
  // The layout of an installation: PREFIX/bin and PREFIX/share/paxamon.
  const fs::path prefix = fs::path(desktop.folder()) / "prefix";
  fs::create_directories(prefix / "bin");
  fs::create_directories(prefix / "share/paxamon");
  fs::copy_file(PAXAMON_EXECUTABLE, prefix / "bin/paxamon");
  fs::copy_file(fs::path(PAXAMON_SOURCE_DIR) / "help/Paxamon.hlp",
                prefix / "share/paxamon/Paxamon.hlp");
  const fs::path work = fs::path(desktop.folder()) / "work";
  fs::create_directories(work);
  std::ofstream(work / "Paxamon.hlp") << "@topic Eine andere Hilfe\n@contents\nAus dem Ordner.\n";

  desktop.start({(prefix / "bin/paxamon").string()}, work.string());
  const WindowId main = desktop.waitForWindow(kMainTitle, 15000ms);
  ASSERT_NE(main, 0u);
  ASSERT_TRUE(desktop.waitForActive(main));
  desktop.key("alt+h");
  desktop.key("h");  // "&Hilfe zu Paxamon"
  const WindowId help = desktop.waitForWindow(kHelpTitle);
  ASSERT_NE(help, 0u);
  EXPECT_TRUE(desktop.showsText(help, "Hilfe zu Paxamon"));
  EXPECT_FALSE(desktop.showsText(help, "Eine andere Hilfe", 500ms));
}

}  // namespace
}  // namespace paxamon::e2e
