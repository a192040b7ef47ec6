// The pace of a full run in the window: 200 steps through the main window
// (offscreen), with the pause the window makes after every step. Reports the
// wall time and the process's processor time per step; the pause should
// make the first about 10 ms and keep the second small.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QApplication>

#include "ui/main/TForm1.h"
#include "ui/platform/controls.h"
#include "ui/platform/stringgrid.h"

namespace paxamon {
namespace {

double seconds(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Counts 40 down to 0 in a loop of five instructions: 200 steps with END.
constexpr const char* kProgram[] = {"LDA10", "SUB11", "STA10", "JAZ05", "JMP00", "END",
                                    "",      "",      "",      "",      "40",    "1"};
constexpr int kSteps = 200;

void FullRunInTheWindow(benchmark::State& state) {
  TForm1 window;
  window.show();
  window.MAlleClick();
  double wallTotal = 0, cpuTotal = 0;
  for (auto _ : state) {
    for (int i = 0; i < static_cast<int>(std::size(kProgram)); ++i)
      window.Mem1->setCells(0, i, QString::fromLatin1(kProgram[i]));
    const double wall = seconds(CLOCK_MONOTONIC), cpu = seconds(CLOCK_PROCESS_CPUTIME_ID);
    window.BRunClick();
    const double wallTime = seconds(CLOCK_MONOTONIC) - wall;
    state.SetIterationTime(wallTime);
    wallTotal += wallTime;
    cpuTotal += seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu;
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["wall_ms_per_step"] = wallTotal * 1000 / kSteps / runs;
  state.counters["cpu_ms_per_step"] = cpuTotal * 1000 / kSteps / runs;
  if (window.EPC->Text() != QString::number(kSteps - 1)) state.SkipWithError("wrong step count");
}
BENCHMARK(FullRunInTheWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace paxamon

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
