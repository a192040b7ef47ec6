#include "checks.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "../machine/recording_view.h"
#include "cli/checker.h"
#include "files/programfile.h"
#include "machine/celledit.h"
#include "machine/notation.h"

namespace paxamon::fuzz {
namespace {

namespace fs = std::filesystem;

std::string currentInput;

void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "violated: %s in %s\n", what, currentInput.c_str());
  std::abort();
}

CellTexts programOf(const std::uint8_t* data, std::size_t size) {
  return parseProgram(size ? std::string_view(reinterpret_cast<const char*>(data), size) : "");
}

// The operation sign an instruction shows; "?" for no instruction.
std::string_view signOf(std::string_view mnemonic) {
  static constexpr std::string_view kSigns =
      "LDA=STA=NUL=STX=LDX=ADD+INC+SUB-MUL*DIV/MOD/JMP^JAN^JAZ^JXP^END ";
  for (std::size_t i = 0; i < kSigns.size(); i += 4) {
    if (kSigns.substr(i, 3) == mnemonic) return kSigns[i + 3] == ' ' ? "" : kSigns.substr(i + 3, 1);
  }
  return "?";
}

// Empty while unset, else the decimal text of a number.
bool isRegisterText(const std::string& text, bool set) {
  const std::optional<std::int32_t> value = parseNumber(text);
  return text.empty() ? !set : value && std::to_string(*value) == text;
}

// Whether Enter at cell p and Backspace there, the cursor then on cell
// `from`, give back the program by the renumbering rule: cell 31 is empty,
// every reference the insert renumbers is written as the renumbering writes
// it, and no reference the insert leaves alone is renumbered by the removal.
bool restoredByRule(const CellTexts& cells, CellAddress p, CellAddress from) {
  auto holdsText = [&cells](std::int32_t a) { return !cells[static_cast<std::size_t>(a)].empty(); };
  for (const CellText& text : cells) {
    const auto a = text.size() < 4 ? std::nullopt : parseNumber(std::string_view(text).substr(3));
    if (a && *a >= p && *a <= kCellCount - 2 && holdsText(*a)) {
      if (text.substr(3) != std::to_string(*a)) return false;
    } else if (a && *a > from && *a <= kCellCount - 1 && holdsText(*a - 1)) {
      return false;
    }
  }
  return cells[kCellCount - 1].empty();
}

}  // namespace

void setCurrentInput(std::string name) {
  currentInput = std::move(name);
}

void checkProgramFile(const std::uint8_t* data, std::size_t size) {
  const CellTexts texts = programOf(data, size);
  std::size_t total = 0;
  for (const CellText& text : texts) {
    require(text.find_first_of("\r\x1A") == std::string::npos, "no CR or Ctrl+Z in a text");
    total += text.size();
  }
  const std::string formatted = formatProgram(texts);
  require(total <= size && formatted.size() == total + 2 * kCellCount, "32 lines ended by CR LF");
  require(parseProgram(formatted) == texts, "a formatted program parses back");
  if (size > kMaxProgramFileSize) return;

  // On a memory file system where there is one, since every save syncs.
  static const struct Scratch {
    fs::path path = fs::path(fs::is_directory("/dev/shm") ? "/dev/shm" : "/tmp") /
                    ("paxamon-fuzz-" + std::to_string(::getpid()));
    Scratch() { fs::create_directories(path); }
    ~Scratch() { fs::remove_all(path); }
  } scratch;
  const fs::path& folder = scratch.path;
  std::ofstream(folder / "in.pax", std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  const LoadResult loaded = loadProgramFile(folder / "in.pax");
  if (total > kMaxProgramTextSize)
    return require(!loaded && loaded.failure == LoadFailure::TooLarge, "too much text refused");
  require(loaded.texts == texts && saveProgramFile(folder / "out.pax", texts),
          "loads as parsed and saves");
  std::ifstream saved(folder / "out.pax", std::ios::binary);
  require(std::string(std::istreambuf_iterator<char>(saved), {}) == formatted &&
              loadProgramFile(folder / "out.pax").texts == texts,
          "saved as formatted, loads back");
}

void checkCellEditing(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  // The editor works on the texts cut to the cell capacity.
  CellTexts cells = programOf(data + 1, size - 1);
  for (CellText& text : cells) {
    text = cutToCell(text);
    const std::string upper = upperCell(text);
    const auto address = addressOf(upper, mnemonicOf(upper));
    require(!address || (*address >= 0 && *address < kCellCount), "an operand address is a cell");
    const auto value = parseNumber(text);
    require(!value || (parseNumber(std::to_string(*value)) == value && dataOf(text) == value),
            "a number is data and reads back");
  }
  // Enter opens cell p; Backspace there moves the cursor up a row, unless
  // it stands on the first row of its grid.
  const CellAddress p = data[0] % kCellCount, from = p % kRowsPerGrid == 0 ? p : p - 1;
  CellTexts edited = cells;
  insertEmptyCell(edited, p);
  for (CellAddress i = 0; i < kCellCount; ++i) {
    const CellText& now = edited[static_cast<std::size_t>(i)];
    const CellText& before = cells[static_cast<std::size_t>(i <= p ? i : i - 1)];
    require(now.size() <= kCellCapacity &&
                (i == p ? now.empty()
                        : now.empty() == before.empty() && now.substr(0, 3) == before.substr(0, 3)),
            "Enter moves the cells one on");
  }
  removeCell(edited, p, from);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    require(edited[i].empty() == (i == cells.size() - 1 || cells[i].empty()),
            "Backspace moves them back");
  }
  require(!restoredByRule(cells, p, from) || edited == cells, "Enter and Backspace restore");
}

void checkExecutor(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kSteps = 300;
  const CellTexts program = programOf(data, size);
  MachineState fullState, stepState;
  fullState.singleStep = false;
  RecordingView full(program), stepped(program);
  full.limit = stepped.limit = kSteps;
  const RunEnding ending = run(fullState, full, nullptr);
  const std::vector<Displays>& steps = full.steps;
  const std::size_t n = steps.size();

  require(run(stepState, stepped, nullptr) == ending && stepped.steps == steps &&
              stepped.cells == full.cells && stepped.errors == full.errors,
          "both run modes take the same steps");
  require(full.dialogs == 0 && full.repaints == int(n) && stepped.dialogs == int(n) &&
              stepped.repaints == 0,
          "a repaint or a dialog per step");
  require((ending == RunEnding::Error) == (full.errors.size() == 1) && full.errors.size() <= 1 &&
              (full.errors.empty() || full.errors[0].starts_with("FEHLER: ")),
          "one run error ends the run");
  // The checker's run, on the runner's view, ends as the window shows it.
  const CaseRun checked = runCase(program, TaskCase{}, kSteps);
  require(checked.ending == ending && checked.steps == n && checked.cells == full.cells &&
              checked.errorText == (full.errors.empty() ? "" : full.errors[0]) &&
              std::tie(checked.ir, checked.pc, checked.xr, checked.ak) ==
                  std::tie(full.now.ir, full.now.pc, full.now.xr, full.now.ak),
          "the checker sees what the window shows");
  require((ending == RunEnding::Cancelled) == (n == kSteps) && n <= kSteps &&
              fullState.stepCount == int(n),
          "only the step limit cancels");
  for (std::size_t i = 0; i < n; ++i) {
    const Displays& d = steps[i];
    const std::string_view mnemonic = mnemonicOf(d.ir);
    require(d.pc == std::to_string(i) && d.selected >= 0 && d.selected < kCellCount,
            "PC and the executed cell");
    require(d.ir.size() <= kIrCapacity && upperCell(d.ir) == d.ir && d.control == d.ir,
            "IR and control path");
    require(d.sign == signOf(mnemonic), "operation sign");
    require(mnemonic != "END" || (i + 1 == n && ending == RunEnding::End), "END ends the run");
    require(isRegisterText(d.xr, i > 0 && !steps[i - 1].xr.empty()) &&
                isRegisterText(d.ak, i > 0 && !steps[i - 1].ak.empty()),
            "XR and AK empty until set, then decimal");
    require(d.data.empty() || d.data == "0" ||
                (d.data.size() <= kCellCapacity && d.data.find_first_of("+-0123456789") == 0),
            "data path");
  }
  Displays last = n ? steps.back() : Displays{};
  require(ending != RunEnding::End || mnemonicOf(last.ir) == "END", "ended by END");
  require(ending != RunEnding::PassedLastCell || last.selected == kCellCount - 1, "passed cell 31");
  // After the run the path labels are empty, the registers keep the last step.
  last.sign = last.control = last.data = "";
  last.selected = full.now.selected;
  require(full.now == last, "displays after the run");
}

}  // namespace paxamon::fuzz
