// The checker: runs a pupil's program on every case of a task, on the
// window's executor, judges each run, and reports the verdicts as one line
// per file or as CSV rows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/taskfile.h"
#include "files/programfile.h"
#include "machine/executor.h"

namespace paxamon {

// What a run left, as the window would show it.
struct CaseRun {
  RunEnding ending = RunEnding::End;  // Cancelled: stopped at the step limit
  std::string errorText;              // the run error (Windows-1252)
  CellTexts cells;                    // the grid texts after the run
  std::string ir, pc, xr, ak;         // the register displays after the run
  std::uint64_t steps = 0;            // completed steps
};

// The program with the case's cells set, run in one pass of at most
// `maxSteps` steps.
CaseRun runCase(const CellTexts& program, const TaskCase& c, std::uint64_t maxSteps);

struct Verdict {
  bool passed = true;
  // For a failed case, its first unmet expectation (the ending first) and
  // what was found instead; UTF-8, printable.
  std::string expected, found;
};

Verdict judge(const TaskCase& c, const CaseRun& run);

struct FileReport {
  std::string name;  // as given on the command line
  LoadFailure failure = LoadFailure::None;
  std::vector<Verdict> verdicts;  // one per case, when the file loaded

  std::size_t passed() const;
};

// Loads a pupil's file (regular files only: a stray FIFO must not hold up
// the class) and runs every case on it.
FileReport checkFile(const std::string& name, const Task& task, std::uint64_t maxSteps);

// "NAME: bestanden P von N", with the first failed case when there is one.
std::string reportLine(const FileReport& report, const Task& task);

// CSV for a grade book, one row per file and case.
std::string csvHeader();
std::string csvRows(const FileReport& report, const Task& task);

}  // namespace paxamon
