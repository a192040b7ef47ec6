// Replays the seed corpus of every fuzz target through its checks, built
// with the normal compiler: a violation aborts the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "checks.h"

namespace paxamon::fuzz {
namespace {

namespace fs = std::filesystem;

TEST(FuzzCorpus, EverySeedKeepsTheChecksOfItsTarget) {
  const std::pair<const char*, void (*)(const std::uint8_t*, std::size_t)> targets[] = {
      {"programfile", checkProgramFile},
      {"celledit", checkCellEditing},
      {"executor", checkExecutor}};
  for (const auto& [target, check] : targets) {
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::directory_iterator(fs::path(PAXAMON_FUZZ_CORPUS) / target))
      inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    EXPECT_FALSE(inputs.empty()) << target;
    for (const fs::path& input : inputs) {
      std::ifstream in(input, std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), {}};
      setCurrentInput(input.string());
      check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
  }
  setCurrentInput({});
}

}  // namespace
}  // namespace paxamon::fuzz
