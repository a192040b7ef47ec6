// For tests that run paxamon-run as a program: each test in a folder of its
// own, its commands a bash script with the runner's folder on the path.
#pragma once

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace paxamon {

namespace fs = std::filesystem;

inline std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The lines of a text, without their line feeds.
inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    result.push_back(line);
  return result;
}

struct Result {
  int status = -1;
  std::string out, err;
};

class ShellTest : public testing::Test {
 protected:
  void SetUp() override { fs::create_directories(dir_); }
  void TearDown() override { fs::remove_all(dir_); }
  void write(const std::string& name, std::string_view bytes) const {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  // A socket file of that name; it stays when its socket is closed.
  bool makeSocket(const std::string& name) const {
    const std::string path = (dir_ / name).string();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    path.copy(address.sun_path, path.size());
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        s >= 0 && ::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (s >= 0) ::close(s);
    return bound;
  }
  // Runs the script in `cwd`, by default the test's folder.
  Result shell(const std::string& script, const fs::path& cwd = {}) const {
    std::ofstream(dir_ / ".sh") << "cd '" << (cwd.empty() ? dir_ : cwd).string() << "'\nPATH='"
                                << fs::path(PAXAMON_RUNNER).parent_path().string() << "':$PATH\n"
                                << script << "\n";
    const int raw = std::system(("cd '" + dir_.string() + "' && bash .sh >.out 2>.err").c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(dir_ / ".out"), slurp(dir_ / ".err")};
  }

  const fs::path dir_ =
      fs::temp_directory_path() / ("paxamon-" + std::to_string(::getpid()) + "-" +
                                   testing::UnitTest::GetInstance()->current_test_info()->name());
};

}  // namespace paxamon
