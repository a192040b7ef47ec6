#include "checks.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "../machine/recording_view.h"
#include "files/programfile.h"
#include "machine/celledit.h"
#include "machine/notation.h"

namespace paxamon::fuzz {

namespace {

namespace fs = std::filesystem;

std::string currentInput;

void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "violated: %s%s%s\n", what, currentInput.empty() ? "" : " in ",
               currentInput.c_str());
  std::abort();
}

std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
  return size == 0 ? std::string_view()
                   : std::string_view(reinterpret_cast<const char*>(data), size);
}

// A folder for the file round trip, on a memory file system where there is
// one (every save syncs); removed at exit.
struct ScratchFolder {
  fs::path path = fs::path(fs::is_directory("/dev/shm") ? "/dev/shm" : "/tmp") /
                  ("paxamon-fuzz-" + std::to_string(::getpid()));
  ScratchFolder() { fs::create_directories(path); }
  ~ScratchFolder() { fs::remove_all(path); }
};

// The operation sign an instruction shows; "?" for no instruction.
std::string_view signOf(std::string_view mnemonic) {
  static constexpr std::string_view kSigns =
      "LDA=STA=NUL=STX=LDX=ADD+INC+SUB-MUL*DIV/MOD/JMP^JAN^JAZ^JXP^END ";
  for (std::size_t i = 0; i < kSigns.size(); i += 4) {
    if (kSigns.substr(i, 3) == mnemonic) return kSigns[i + 3] == ' ' ? "" : kSigns.substr(i + 3, 1);
  }
  return "?";
}

bool isDecimalText(std::string_view text) {
  const std::optional<std::int32_t> value = parseNumber(text);
  return value && std::to_string(*value) == text;
}

// Whether Enter at cell p and Backspace there with the cursor then on cell
// `from` give back the program by the renumbering rule: nothing is dropped
// from cell 31, every reference renumbered by the insert is written in the
// form the renumbering writes, and no reference left alone by the insert is
// renumbered by the removal.
bool restoredByRule(const CellTexts& cells, CellAddress p, CellAddress from) {
  if (!cells[kCellCount - 1].empty()) return false;
  auto holdsText = [&cells](std::int32_t a) { return !cells[static_cast<std::size_t>(a)].empty(); };
  for (const CellText& text : cells) {
    const std::optional<std::int32_t> a =
        text.size() < 4 ? std::nullopt : parseNumber(std::string_view(text).substr(3));
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
  currentInput = std::move(name);
}

void checkProgramFile(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = bytesOf(data, size);
  const CellTexts texts = parseProgram(bytes);
  std::size_t total = 0;
  for (const CellText& text : texts) {
    require(text.find_first_of("\r\x1A") == std::string::npos, "no CR or Ctrl+Z in a text");
    total += text.size();
  }
  const std::string formatted = formatProgram(texts);
  require(total <= size && formatted.size() == total + 2 * kCellCount, "32 lines ended by CR LF");
  require(parseProgram(formatted) == texts, "a formatted program parses back");

  if (size > kMaxProgramFileSize) return;
  static const ScratchFolder folder;
  const fs::path loaded = folder.path / "loaded.pax", saved = folder.path / "saved.pax";
  std::ofstream(loaded, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
  const LoadResult first = loadProgramFile(loaded);
  if (total > kMaxProgramTextSize) {
    require(first.failure == LoadFailure::TooLarge, "too much text refused");
    return;
  }
  require(first.ok() && first.texts == texts, "a file loads as parsed");
  require(saveProgramFile(saved, first.texts), "whatever loads saves");
  std::ifstream in(saved, std::ios::binary);
  require(std::string(std::istreambuf_iterator<char>(in), {}) == formatted, "saved as formatted");
  require(loadProgramFile(saved).texts == texts, "a saved program loads back");
}

void checkCellEditing(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  // The editor works on the texts cut to the cell capacity.
  CellTexts cells = parseProgram(bytesOf(data + 1, size - 1));
  for (CellText& text : cells) {
    text = cutToCell(text);
    const std::string upper = upperCell(text);
    if (const auto address = addressOf(upper, mnemonicOf(upper))) {
      require(*address >= 0 && *address < kCellCount, "an operand address is a cell");
    }
    if (const auto value = parseNumber(text)) {
      require(parseNumber(std::to_string(*value)) == value && dataOf(text) == value,
              "a number is data and reads back");
    }
  }

  // Enter opens cell p; Backspace there moves the cursor up a row, unless
  // it stands on the first row of its grid.
  const CellAddress p = data[0] % kCellCount;
  const CellAddress from = p % kRowsPerGrid == 0 ? p : p - 1;
  CellTexts edited = cells;
  insertEmptyCell(edited, p);
  for (CellAddress i = 0; i < kCellCount; ++i) {
    const CellText& now = edited[static_cast<std::size_t>(i)];
    require(now.size() <= kCellCapacity && (i != p || now.empty()), "Enter opens an empty cell");
    if (i == p) continue;
    const CellText& before = cells[static_cast<std::size_t>(i < p ? i : i - 1)];
    require(now.empty() == before.empty() && now.substr(0, 3) == before.substr(0, 3),
            "cells move one on");
  }
  removeCell(edited, p, from);
  for (CellAddress i = 0; i < kCellCount; ++i) {
    require(edited[static_cast<std::size_t>(i)].empty() ==
                (i == kCellCount - 1 || cells[static_cast<std::size_t>(i)].empty()),
            "cells move back");
  }
  if (restoredByRule(cells, p, from)) require(edited == cells, "Enter and Backspace restore");
}

void checkExecutor(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kSteps = 300;
  const CellTexts program = parseProgram(bytesOf(data, size));
  MachineState fullState, stepState;
  fullState.singleStep = false;
  RecordingView full(program), stepped(program);
  full.limit = stepped.limit = kSteps;
  const RunEnding ending = run(fullState, full, nullptr);

  require(run(stepState, stepped, nullptr) == ending && stepped.steps == full.steps &&
              stepped.cells == full.cells && stepped.errors == full.errors,
          "both run modes take the same steps");
  require(full.dialogs == 0 && static_cast<std::size_t>(full.repaints) == full.steps.size() &&
              static_cast<std::size_t>(stepped.dialogs) == stepped.steps.size(),
          "a repaint or a dialog per step");
  require((ending == RunEnding::Error) == (full.errors.size() == 1) && full.errors.size() <= 1 &&
              (full.errors.empty() || full.errors[0].starts_with("FEHLER: ")),
          "one run error ends the run");
  require((ending == RunEnding::Cancelled) == (full.steps.size() == kSteps) &&
              full.steps.size() <= kSteps &&
              static_cast<std::size_t>(fullState.stepCount) == full.steps.size(),
          "only the step limit cancels");

  bool xrSet = false, akSet = false;
  for (std::size_t i = 0; i < full.steps.size(); ++i) {
    const Displays& d = full.steps[i];
    const std::string_view mnemonic = mnemonicOf(d.ir);
    require(d.pc == std::to_string(i) && d.selected >= 0 && d.selected < kCellCount,
            "PC and executed cell");
    require(d.ir.size() <= kIrCapacity && upperCell(d.ir) == d.ir && d.control == d.ir,
            "IR and control path");
    require(d.sign == signOf(mnemonic), "operation sign");
    require(mnemonic != "END" || (i + 1 == full.steps.size() && ending == RunEnding::End),
            "END ends the run");
    require((d.xr.empty() ? !xrSet : isDecimalText(d.xr)) &&
                (d.ak.empty() ? !akSet : isDecimalText(d.ak)),
            "XR and AK");
    xrSet = !d.xr.empty();
    akSet = !d.ak.empty();
    require(d.data.empty() || d.data == "0" ||
                (d.data.size() <= kCellCapacity && d.data.find_first_of("+-0123456789") == 0),
            "data path");
  }
  const Displays last = full.steps.empty() ? Displays{} : full.steps.back();
  require(ending != RunEnding::End || mnemonicOf(last.ir) == "END", "ended by END");
  require(ending != RunEnding::PassedLastCell || last.selected == kCellCount - 1, "passed cell 31");
  require(full.now.sign.empty() && full.now.control.empty() && full.now.data.empty() &&
              full.now.ir == last.ir && full.now.pc == last.pc && full.now.xr == last.xr &&
              full.now.ak == last.ak,
          "displays after the run");
  // Once a step has written the memory back, every cell is cut to capacity.
  for (const CellText& text : full.cells)
    require(full.steps.empty() || text.size() <= kCellCapacity, "cells cut");
}

}  // namespace paxamon::fuzz
