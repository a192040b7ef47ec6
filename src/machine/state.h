// The state of the simulated computer: 32 memory cells, IR, AK, XR and the
// run flags. Plain data; the executor works on it, the window renders it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace paxamon {

// The text of one memory cell: single-byte characters (Windows-1252).
using CellText = std::string;

// 0 to 31; 0-15 are the rows of Mem1, 16-31 those of Mem2.
using CellAddress = int;

inline constexpr int kCellCount = 32;
inline constexpr int kRowsPerGrid = 16;
inline constexpr std::size_t kCellCapacity = 9;  // characters a cell keeps
inline constexpr std::size_t kIrCapacity = 6;    // characters the IR keeps

// The 32 texts of a program, cell 0 first.
using CellTexts = std::array<CellText, kCellCount>;

struct MachineState {
  CellTexts memory;
  std::string ir;
  std::int32_t ak = 0;
  std::int32_t xr = 0;
  std::int32_t stepCount = 0;
  bool akUnset = true;
  bool xrUnset = true;
  bool errorRaised = false;
  bool running = false;
  bool singleStep = true;  // run mode: single steps or full run
};

}  // namespace paxamon
