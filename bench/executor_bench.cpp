// Steps per second of the executor on a four-instruction loop, with a view
// that does nothing but stop the run after a given number of steps.
#include <benchmark/benchmark.h>

#include "machine/executor.h"

namespace paxamon {
namespace {

class NullView final : public RunView {
 public:
  explicit NullView(std::uint64_t steps) : limit_(steps) {}
  CellTexts readCells() override {
    CellTexts cells;
    cells[0] = "INC";
    cells[1] = "STA10";
    cells[2] = "ADD11";
    cells[3] = "JMP00";
    cells[11] = "-1";
    return cells;
  }
  void writeCells(const CellTexts&) override {}
  void selectCell(CellAddress) override {}
  void setIR(std::string_view) override {}
  void setPC(std::string_view) override {}
  void setXR(std::string_view) override {}
  void setAK(std::string_view) override {}
  void setSign(std::string_view) override {}
  void setControlPath(std::string_view) override {}
  void setDataPath(std::string_view) override {}
  void showRunError(std::string_view) override {}
  StepChoice showStepDialog() override { return StepChoice::Next; }
  void repaintNow() override { ++steps_; }
  bool stopRequested() override { return steps_ >= limit_; }

 private:
  std::uint64_t limit_;
  std::uint64_t steps_ = 0;
};

void BM_FourInstructionLoop(benchmark::State& state) {
  const auto steps = static_cast<std::uint64_t>(state.range(0));
  for (auto _ : state) {
    MachineState machine;
    machine.singleStep = false;
    NullView view(steps);
    benchmark::DoNotOptimize(run(machine, view, nullptr));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FourInstructionLoop)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace paxamon
