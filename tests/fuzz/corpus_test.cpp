// Replays the seed corpus of every fuzz target through its checks, built
// with the normal compiler: a violation aborts the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "checks.h"

namespace paxamon::fuzz {
namespace {

TEST(FuzzCorpus, EverySeedKeepsTheChecksOfItsTarget) {
  const std::pair<const char*, void (*)(const std::uint8_t*, std::size_t)> targets[] = {
      {"programfile", checkProgramFile},
      {"celledit", checkCellEditing},
      {"executor", checkExecutor}};
  for (const auto& [target, check] : targets) {
    const std::filesystem::directory_iterator folder(std::string(PAXAMON_FUZZ_CORPUS) + "/" +
                                                     target);
    const std::set<std::filesystem::path> inputs(begin(folder), end(folder));
    EXPECT_FALSE(inputs.empty()) << target;
    for (const auto& input : inputs) {
      std::ifstream in(input, std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), {}};
      setCurrentInput(input.string());
      check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
  }
}

}  // namespace
}  // namespace paxamon::fuzz
