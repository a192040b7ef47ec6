// A RunView that keeps every display text and records each completed step.
#pragma once

#include <string>
#include <vector>

#include "machine/executor.h"

namespace paxamon {

struct Displays {
  std::string ir, pc, xr, ak, sign, control, data;
  CellAddress selected = -1;
  bool operator==(const Displays&) const = default;
};

class RecordingView : public RunView {
 public:
  explicit RecordingView(CellTexts cells = {}) : cells(std::move(cells)) {}

  CellTexts readCells() override { return cells; }
  void writeCells(const CellTexts& texts) override { cells = texts; }
  void selectCell(CellAddress address) override { now.selected = address; }
  void setIR(std::string_view t) override { now.ir = t; }
  void setPC(std::string_view t) override { now.pc = t; }
  void setXR(std::string_view t) override { now.xr = t; }
  void setAK(std::string_view t) override { now.ak = t; }
  void setSign(std::string_view t) override { now.sign = t; }
  void setControlPath(std::string_view t) override { now.control = t; }
  void setDataPath(std::string_view t) override { now.data = t; }
  void showRunError(std::string_view t) override { errors.emplace_back(t); }
  StepChoice showStepDialog() override {
    ++dialogs;
    steps.push_back(now);
    return stopRequested() ? StepChoice::Cancel : StepChoice::Next;
  }
  void repaintNow() override {
    ++repaints;
    steps.push_back(now);
  }
  bool stopRequested() override { return limit && steps.size() >= limit; }

  CellTexts cells;
  Displays now;
  std::vector<Displays> steps;  // the displays at the end of each step
  std::vector<std::string> errors;
  int dialogs = 0, repaints = 0;
  std::size_t limit = 0;  // cancel in the dialog, or stop a full run, after this many steps
};

// A program from its first cells; the rest stay empty.
inline CellTexts program(std::initializer_list<const char*> texts) {
  CellTexts cells;
  std::size_t i = 0;
  for (const char* t : texts)
    cells[i++] = t;
  return cells;
}

}  // namespace paxamon
