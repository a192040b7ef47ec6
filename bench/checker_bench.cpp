// The checker on a class: 30 program files against a task of 10 cases,
// loading, running, judging and the report lines included, as
// `paxamon-run --check` does them. And the cost of one pupil whose program
// never stops, which every case runs up to the step limit.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/checker.h"

namespace paxamon {
namespace {

namespace fs = std::filesystem;

// 1 + 2 + ... + n for n in cell 20, into cell 21: n from 0 to 200.
constexpr std::string_view kTask =
    "Fall leer\nZelle 20 = \"\"\nerwarte Zelle 21 = 0\n"
    "Fall 0\nZelle 20 = 0\nerwarte Zelle 21 = 0\n"
    "Fall 1\nZelle 20 = 1\nerwarte Zelle 21 = 1\n"
    "Fall 2\nZelle 20 = 2\nerwarte Zelle 21 = 3\n"
    "Fall 5\nZelle 20 = 5\nerwarte Zelle 21 = 15\n"
    "Fall 10\nZelle 20 = 10\nerwarte Zelle 21 = 55\nerwarte Ende = END\n"
    "Fall 20\nZelle 20 = 20\nerwarte Zelle 21 = 210\n"
    "Fall 50\nZelle 20 = 50\nerwarte Zelle 21 = 1275\n"
    "Fall 100\nZelle 20 = 100\nerwarte Zelle 21 = 5050\n"
    "Fall 200\nZelle 20 = 200\nerwarte Zelle 21 = 20100\n";

CellTexts cells(std::initializer_list<const char*> texts) {
  CellTexts result;
  std::size_t i = 0;
  for (const char* t : texts)
    result[i++] = t;
  return result;
}

// A class folder: mostly correct solutions, some that miss a case.
class ClassFolder {
 public:
  explicit ClassFolder(int pupils) {
    dir_ = fs::temp_directory_path() / ("paxamon-checker-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    const CellTexts correct =
        cells({"LDA20", "STX", "NUL", "STA21", "LDX", "ADD21", "STA21", "JXP04", "END"});
    // Counts to n - 1 only: a wrong sum for every n above 0.
    const CellTexts offByOne =
        cells({"LDA20", "STX", "NUL", "STA21", "JXP06", "END", "LDX", "ADD21", "STA21", "JMP04"});
    for (int i = 0; i < pupils; ++i) {
      const fs::path file = dir_ / ("schueler" + std::to_string(i) + ".pax");
      saveProgramFile(file, i % 6 == 5 ? offByOne : correct);
      files_.push_back(file.string());
    }
  }
  ~ClassFolder() { fs::remove_all(dir_); }

  const std::vector<std::string>& files() const { return files_; }

 private:
  fs::path dir_;
  std::vector<std::string> files_;
};

void BM_CheckClass(benchmark::State& state) {
  const ClassFolder folder(30);
  std::size_t passedCases = 0;
  for (auto _ : state) {
    const Task task = parseTask(kTask).task;
    std::string out;
    passedCases = 0;
    for (const std::string& file : folder.files()) {
      const FileReport report = checkFile(file, task, 1000000);
      passedCases += report.passed();
      out += reportLine(report, task);
    }
    benchmark::DoNotOptimize(out);
  }
  state.counters["cases"] = 300;
  state.counters["passed"] = static_cast<double>(passedCases);
}
BENCHMARK(BM_CheckClass)->Unit(benchmark::kMillisecond);

// One program that loops for ever: each of the 10 cases runs the default
// step limit of 1,000,000 steps.
void BM_CheckEndlessPupil(benchmark::State& state) {
  const Task task = parseTask(kTask).task;
  const CellTexts endless = cells({"INC", "JMP00"});
  for (auto _ : state) {
    for (const TaskCase& c : task.cases)
      benchmark::DoNotOptimize(judge(c, runCase(endless, c, 1000000)));
  }
}
BENCHMARK(BM_CheckEndlessPupil)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace paxamon
