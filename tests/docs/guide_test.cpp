// The teachers' guide (doc/de/Lehrkraefte.md) holds for an installation of
// this build: every path it names exists after installing it as the package
// does (prefix /usr, in a scratch root) and by hand (prefix ~/.local, in a
// scratch home), and its sessions print what it shows, run with the
// installed runner in a copy of the installed examples, as the guide says.
#include <regex>

#include "sessions.h"

namespace paxamon {
namespace {

const fs::path kSource = PAXAMON_SOURCE_DIR;
const fs::path kGuide = kSource / "doc/de/Lehrkraefte.md";

class Guide : public SessionTest {};

TEST_F(Guide, ItsPathsAndSessionsHoldForAnInstallation) {
  const fs::path root = dir_ / "root", home = dir_ / "home";
  const std::string install =
      std::string("'") + PAXAMON_CMAKE + "' --install '" + PAXAMON_BUILD_DIR + "' >/dev/null";
  const Result installed =
      shell("set -e\nDESTDIR='" + root.string() + "' " + install + " --prefix /usr\n" + install +
            " --prefix '" + home.string() + "/.local'\n");
  ASSERT_EQ(installed.status, 0) << installed.err;

  const std::string guide = slurp(kGuide);
  static const std::regex kPath(R"((/usr|~/\.local)(/[A-Za-z0-9_.+-]+)+)");
  int paths = 0;
  for (std::sregex_iterator m(guide.begin(), guide.end(), kPath), end; m != end; ++m, ++paths) {
    std::string path = m->str();
    while (path.ends_with('.'))
      path.pop_back();
    const fs::path there = path.starts_with("~/") ? home / path.substr(2) : root / path.substr(1);
    EXPECT_TRUE(fs::exists(there)) << path;
  }
  EXPECT_GE(paths, 10);
  // The package it names is the one scripts/package.sh builds.
  EXPECT_NE(guide.find(std::string("paxamon_") + PAXAMON_VERSION + "-1_"), std::string::npos);
  EXPECT_NE(slurp(kSource / "README.md").find("(doc/de/Lehrkraefte.md)"), std::string::npos)
      << "the README links to the guide";

  // cp -r /usr/share/paxamon/examples ~/paxamon-beispiele
  const fs::path examples = home / "paxamon-beispiele";
  fs::copy(root / "usr/share/paxamon/examples", examples, fs::copy_options::recursive);
  const std::string prelude =
      "export HOME='" + home.string() + "'\nPATH=\"$HOME/.local/bin:$PATH\"\n";
  EXPECT_GE(expectSessions(kGuide, examples / "aufgaben", prelude), 10);
}

}  // namespace
}  // namespace paxamon
