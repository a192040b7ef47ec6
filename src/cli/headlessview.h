// A run without a window: keeps the last text of every display as the
// window would show it after the run, counts the completed steps and stops
// the run at a step limit. The runner prints from it, the checker judges it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "machine/runview.h"

namespace paxamon {

class HeadlessView : public RunView {
 public:
  HeadlessView(const CellTexts& start, std::uint64_t maxSteps)
      : start_(start), maxSteps_(maxSteps) {}

  CellTexts readCells() override { return start_; }
  // The texts written are the machine memory, which outlives the run and
  // changes only during it; keeping a reference spares a copy per step.
  void writeCells(const CellTexts& texts) override { written_ = &texts; }
  void selectCell(CellAddress address) override { selected_ = address; }
  void setIR(std::string_view t) override { ir_ = t; }
  void setPC(std::string_view t) override { pc_ = t; }
  void setXR(std::string_view t) override { xr_ = t; }
  void setAK(std::string_view t) override { ak_ = t; }
  void setSign(std::string_view t) override { sign_ = t; }
  void setControlPath(std::string_view t) override { control_ = t; }
  void setDataPath(std::string_view t) override { data_ = t; }
  void showRunError(std::string_view text) override { error_ = text; }
  StepChoice showStepDialog() override { return StepChoice::Next; }
  void repaintNow() override { ++steps_; }
  bool stopRequested() override { return steps_ >= maxSteps_; }

  // The displays after the run (Windows-1252).
  const CellTexts& cells() const { return written_ ? *written_ : start_; }
  const std::string& ir() const { return ir_; }
  const std::string& pc() const { return pc_; }
  const std::string& xr() const { return xr_; }
  const std::string& ak() const { return ak_; }
  const std::string& error() const { return error_; }
  std::uint64_t steps() const { return steps_; }

 protected:
  const CellTexts& start_;
  const CellTexts* written_ = nullptr;
  std::uint64_t maxSteps_;
  std::uint64_t steps_ = 0;
  CellAddress selected_ = 0;
  std::string ir_, pc_, xr_, ak_, sign_, control_, data_, error_;
};

}  // namespace paxamon
