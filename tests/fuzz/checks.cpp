#include "checks.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

#include "../machine/recording_view.h"
#include "files/programfile.h"
#include "machine/celledit.h"
#include "machine/executor.h"
#include "machine/notation.h"

namespace paxamon::fuzz {

namespace {

namespace fs = std::filesystem;

std::string& currentInput() {
  static std::string name;
  return name;
}

void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "violated: %s%s%s\n", what, currentInput().empty() ? "" : " in ",
               currentInput().c_str());
  std::abort();
}

std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
  return size == 0 ? std::string_view()
                   : std::string_view(reinterpret_cast<const char*>(data), size);
}

// A folder of this process for the file round trip, on a memory file
// system where there is one, since every save syncs. Removed at exit.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code error;
    const fs::path base =
        fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
    path_ = base / ("paxamon-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

const fs::path& scratchFolder() {
  static const ScratchFolder folder;
  return folder.path();
}

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

bool isDecimalText(std::string_view text) {
  const std::optional<std::int32_t> value = parseNumber(text);
  return value && std::to_string(*value) == text;
}

// The operation sign each instruction shows.
std::optional<std::string_view> signOf(std::string_view mnemonic) {
  static constexpr struct {
    std::string_view mnemonic, sign;
  } kSigns[] = {{"LDA", "="}, {"STA", "="}, {"NUL", "="}, {"STX", "="}, {"LDX", "="}, {"ADD", "+"},
                {"INC", "+"}, {"SUB", "-"}, {"MUL", "*"}, {"DIV", "/"}, {"MOD", "/"}, {"JMP", "^"},
                {"JAN", "^"}, {"JAZ", "^"}, {"JXP", "^"}, {"END", ""}};
  for (const auto& entry : kSigns) {
    if (entry.mnemonic == mnemonic) return entry.sign;
  }
  return std::nullopt;
}

void checkNotation(const CellText& text) {
  const std::string upper = upperCell(text);
  require(upper.size() == text.size() && upperCell(upper) == upper, "upper case keeps length");
  require(mnemonicOf(upper).size() == std::min<std::size_t>(3, upper.size()), "mnemonic length");
  if (const auto address = addressOf(upper, mnemonicOf(upper))) {
    require(*address >= 0 && *address < kCellCount, "an operand address is a cell");
  }
  if (const auto value = parseNumber(text)) {
    require(parseNumber(std::to_string(*value)) == value, "a number's decimal text reads back");
    require(numberText(*value) == cutToCell(std::to_string(*value)), "number text is cut");
    require(dataOf(text) == value, "a number is data");
  }
  require(cutToCell(text).size() <= kCellCapacity, "a cut text fits a cell");
}

void checkOperandViews(const CellTexts& cells) {
  for (CellAddress a = 0; a < kCellCount; ++a) {
    const std::string view = operandView(cells, a);
    const CellText& cell = cells[static_cast<std::size_t>(a)];
    require(cell.empty() ? view == "0" : view.empty() || view == cell, "operand view of a cell");
  }
}

// Whether Enter at cell p and Backspace there with the cursor then on
// cell `from` give back the program, by the renumbering rule: nothing is
// dropped from cell 31, every reference renumbered by the insert is written
// in the form the renumbering writes, and no reference left alone by the
// insert is renumbered by the removal.
bool restoredByRule(const CellTexts& cells, CellAddress p, CellAddress from) {
  if (!cells[kCellCount - 1].empty()) return false;
  auto holdsText = [&cells](std::int32_t a) { return !cells[static_cast<std::size_t>(a)].empty(); };
  for (const CellText& text : cells) {
    if (text.size() < 4) continue;
    const std::optional<std::int32_t> a = parseNumber(std::string_view(text).substr(3));
    if (!a) continue;
    if (*a >= p && *a <= kCellCount - 2 && holdsText(*a)) {
      if (text.substr(3) != std::to_string(*a)) return false;
    } else if (*a > from && *a <= kCellCount - 1 && holdsText(*a - 1)) {
      return false;
    }
  }
  return true;
}

}  // namespace

void setCurrentInput(std::string name) {
  currentInput() = std::move(name);
}

void checkProgramFile(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = bytesOf(data, size);
  const CellTexts texts = parseProgram(bytes);
  std::size_t total = 0;
  for (const CellText& text : texts) {
    require(text.find('\r') == std::string::npos && text.find('\x1A') == std::string::npos,
            "no line end or Ctrl+Z inside a text");
    total += text.size();
  }
  require(total <= bytes.size(), "the texts come from the content");
  const std::string formatted = formatProgram(texts);
  require(formatted.size() == total + 2 * kCellCount, "32 lines ended by CR LF");
  require(parseProgram(formatted) == texts, "a formatted program parses back");

  if (size > kMaxProgramFileSize) return;
  const fs::path loaded = scratchFolder() / "loaded.pax", saved = scratchFolder() / "saved.pax";
  {
    std::ofstream out(loaded, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  const LoadResult first = loadProgramFile(loaded);
  if (total > kMaxProgramTextSize) {
    require(first.failure == LoadFailure::TooLarge, "more text than a program may hold is refused");
    return;
  }
  require(first.ok() && first.texts == texts, "a file within the limits loads as parsed");
  require(saveProgramFile(saved, first.texts), "whatever loads saves");
  require(slurp(saved) == formatted, "the saved file is the formatted program");
  const LoadResult again = loadProgramFile(saved);
  require(again.ok() && again.texts == texts, "a saved program loads back unchanged");
}

void checkCellEditing(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  // The editor works on the texts cut to the cell capacity.
  CellTexts cells = parseProgram(bytesOf(data + 1, size - 1));
  for (CellText& text : cells)
    text = cutToCell(text);
  for (const CellText& text : cells)
    checkNotation(text);
  checkOperandViews(cells);

  // Enter opens cell p; Backspace there moves the cursor up a row, unless
  // it stands on the first row of its grid.
  const CellAddress p = data[0] % kCellCount;
  const CellAddress from = p % kRowsPerGrid == 0 ? p : p - 1;
  CellTexts edited = cells;
  insertEmptyCell(edited, p);
  require(edited[static_cast<std::size_t>(p)].empty(), "Enter opens an empty cell");
  for (CellAddress i = 0; i < kCellCount; ++i) {
    const CellText& now = edited[static_cast<std::size_t>(i)];
    const CellText* before = i < p   ? &cells[static_cast<std::size_t>(i)]
                             : i > p ? &cells[static_cast<std::size_t>(i - 1)]
                                     : nullptr;
    require(now.size() <= kCellCapacity, "cells stay within their capacity");
    if (!before) continue;
    require(now.empty() == before->empty(), "cells move one on");
    require(now == *before || now.substr(0, 3) == before->substr(0, 3),
            "renumbering keeps the first three characters");
  }

  removeCell(edited, p, from);
  require(edited[kCellCount - 1].empty(), "Backspace empties the last cell");
  for (CellAddress i = 0; i < kCellCount - 1; ++i) {
    const bool wasEmpty = cells[static_cast<std::size_t>(i)].empty();
    require(edited[static_cast<std::size_t>(i)].empty() == wasEmpty, "cells move back");
  }
  if (restoredByRule(cells, p, from)) require(edited == cells, "Enter and Backspace restore");
}

void checkExecutor(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kSteps = 300;
  const CellTexts program = parseProgram(bytesOf(data, size));

  MachineState fullState;
  fullState.singleStep = false;
  RecordingView full(program);
  full.limit = kSteps;
  const RunEnding ending = run(fullState, full, nullptr);

  MachineState stepState;
  RecordingView stepped(program);
  stepped.limit = kSteps;
  const RunEnding steppedEnding = run(stepState, stepped, nullptr);

  require(ending == RunEnding::End || ending == RunEnding::PassedLastCell ||
              ending == RunEnding::Error || ending == RunEnding::Cancelled,
          "one of the four endings");
  require(steppedEnding == ending && stepped.steps == full.steps && stepped.cells == full.cells &&
              stepped.errors == full.errors,
          "single steps and a full run take the same steps");
  require(full.dialogs == 0 && static_cast<std::size_t>(full.repaints) == full.steps.size(),
          "a full run repaints after every step and shows no dialog");
  require(static_cast<std::size_t>(stepped.dialogs) == stepped.steps.size(),
          "single steps wait after every step");

  require((ending == RunEnding::Error) == (full.errors.size() == 1) && full.errors.size() <= 1,
          "a run error is reported once and ends the run");
  if (!full.errors.empty()) require(full.errors[0].starts_with("FEHLER: "), "error text");
  require((ending == RunEnding::Cancelled) == (full.steps.size() == kSteps),
          "only the step limit cancels");
  require(full.steps.size() <= kSteps, "no step after the limit");
  require(static_cast<std::size_t>(fullState.stepCount) == full.steps.size(), "steps counted");

  bool xrSet = false, akSet = false;
  for (std::size_t i = 0; i < full.steps.size(); ++i) {
    const Displays& d = full.steps[i];
    require(d.pc == std::to_string(i), "PC shows the steps before this one");
    require(d.selected >= 0 && d.selected < kCellCount, "the executed cell is a cell");
    require(d.ir.size() <= kIrCapacity && upperCell(d.ir) == d.ir, "IR upper-cased, cut to 6");
    require(d.control == d.ir, "the control path shows the IR");
    const std::optional<std::string_view> sign = signOf(mnemonicOf(d.ir));
    require(sign && d.sign == *sign, "the sign of the executed instruction");
    require(mnemonicOf(d.ir) != "END" || (i + 1 == full.steps.size() && ending == RunEnding::End),
            "END ends the run");
    require(d.xr.empty() ? !xrSet : isDecimalText(d.xr), "XR empty until set, then decimal");
    require(d.ak.empty() ? !akSet : isDecimalText(d.ak), "AK empty until set, then decimal");
    xrSet = !d.xr.empty();
    akSet = !d.ak.empty();
    require(d.data.empty() || d.data == "0" ||
                (d.data.size() <= kCellCapacity &&
                 (d.data[0] == '+' || d.data[0] == '-' || (d.data[0] >= '0' && d.data[0] <= '9'))),
            "the data path shows a number cell or nothing");
  }
  if (ending == RunEnding::End) {
    require(!full.steps.empty() && mnemonicOf(full.steps.back().ir) == "END", "ended by END");
  }
  if (ending == RunEnding::PassedLastCell) {
    require(!full.steps.empty() && full.steps.back().selected == kCellCount - 1,
            "only the step in cell 31 passes the last cell");
  }

  // After the run the path labels are empty, the registers keep the last step.
  const Displays last = full.steps.empty() ? Displays{} : full.steps.back();
  require(full.now.sign.empty() && full.now.control.empty() && full.now.data.empty(),
          "path labels emptied at the end");
  require(full.now.ir == last.ir && full.now.pc == last.pc && full.now.xr == last.xr &&
              full.now.ak == last.ak,
          "registers keep the last completed step");
  // Once a step has written the memory back, every cell is cut to capacity.
  for (const CellText& text : full.cells)
    require(full.steps.empty() || text.size() <= kCellCapacity, "memory cells within capacity");
}

}  // namespace paxamon::fuzz
