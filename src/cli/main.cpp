// paxamon-run: runs a program file headless on the window's executor and
// prints the final registers and memory, optionally every step.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "cli/cp1252.h"
#include "files/programfile.h"
#include "machine/executor.h"

namespace paxamon {
namespace {

constexpr std::string_view kUsage =
    "Aufruf: paxamon-run [--trace] [--max-steps N] DATEI\n"
    "\n"
    "Führt das Paxamon-Programm DATEI (.pax) ab Zelle 0 im Gesamtdurchlauf aus\n"
    "und gibt danach IR, PC, XR, AK und die 32 Speicherzellen aus.\n"
    "\n"
    "  --trace         nach jedem Schritt eine Zeile mit 8 Feldern (TAB-getrennt):\n"
    "                  PC, Adresse der Zelle, IR, XR, AK, Zeichen, Steuerpfad, Datenpfad\n"
    "  --max-steps N   nach N Schritten anhalten (N >= 1, Vorgabe 1000000)\n"
    "  --help          diese Hilfe\n"
    "\n"
    "Ende: 0 nach END oder hinter Zelle 31, 1 nach einem Laufzeitfehler,\n"
    "2 bei falschem Aufruf oder unlesbarer Datei, 3 bei Erreichen von --max-steps.\n";

constexpr int kExitOk = 0;
constexpr int kExitRunError = 1;
constexpr int kExitUsage = 2;
constexpr int kExitStepLimit = 3;

void put(std::FILE* f, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), f);
}

// The window stand-in: keeps every display text and prints the trace.
class PrintingView final : public RunView {
 public:
  PrintingView(const CellTexts& loaded, bool trace, std::uint64_t maxSteps)
      : loaded_(loaded), trace_(trace), maxSteps_(maxSteps) {}

  CellTexts readCells() override { return loaded_; }
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

  void showRunError(std::string_view text) override {
    put(stderr, cp1252ToUtf8(text));
    put(stderr, "\n");
  }
  StepChoice showStepDialog() override { return StepChoice::Next; }

  void repaintNow() override {
    ++steps_;
    if (!trace_) return;
    std::string line = pc_;
    line += '\t';
    line += std::to_string(selected_);
    for (const std::string* field : {&ir_, &xr_, &ak_, &sign_, &control_, &data_}) {
      line += '\t';
      line += cp1252ToUtf8(*field);
    }
    line += '\n';
    put(stdout, line);
  }

  bool stopRequested() override { return steps_ >= maxSteps_; }

  std::uint64_t steps() const { return steps_; }

  void printFinal() const {
    std::string out;
    out += "IR=" + cp1252ToUtf8(ir_) + "\n";
    out += "PC=" + pc_ + "\n";
    out += "XR=" + xr_ + "\n";
    out += "AK=" + ak_ + "\n";
    const CellTexts& cells = written_ ? *written_ : loaded_;
    for (int i = 0; i < kCellCount; ++i) {
      out += std::to_string(i) + "\t" + cp1252ToUtf8(cells[static_cast<std::size_t>(i)]) + "\n";
    }
    put(stdout, out);
  }

 private:
  const CellTexts& loaded_;
  const CellTexts* written_ = nullptr;
  bool trace_;
  std::uint64_t maxSteps_;
  std::uint64_t steps_ = 0;
  CellAddress selected_ = 0;
  std::string ir_, pc_, xr_, ak_, sign_, control_, data_;
};

int usageError(std::string_view message) {
  put(stderr, "paxamon-run: ");
  put(stderr, message);
  put(stderr, "\n\n");
  put(stderr, kUsage);
  return kExitUsage;
}

// A positive decimal number that fits 64 bits.
bool parseSteps(std::string_view text, std::uint64_t& steps) {
  if (text.empty()) return false;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (UINT64_MAX - digit) / 10) return false;
    value = value * 10 + digit;
  }
  if (value == 0) return false;
  steps = value;
  return true;
}

int runnerMain(int argc, char** argv) {
  bool trace = false;
  std::uint64_t maxSteps = 1000000;
  const char* file = nullptr;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!optionsEnded && arg == "--help") {
      put(stdout, kUsage);
      return kExitOk;
    } else if (!optionsEnded && arg == "--trace") {
      trace = true;
    } else if (!optionsEnded && (arg == "--max-steps" || arg.starts_with("--max-steps="))) {
      std::string_view value;
      if (arg == "--max-steps") {
        if (i + 1 >= argc) return usageError("--max-steps braucht eine Zahl N >= 1");
        value = argv[++i];
      } else {
        value = arg.substr(std::strlen("--max-steps="));
      }
      if (!parseSteps(value, maxSteps)) {
        return usageError("--max-steps braucht eine Zahl N >= 1, nicht \"" + std::string(value) +
                          "\"");
      }
    } else if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
      return usageError("unbekannte Option " + std::string(arg));
    } else if (file) {
      return usageError("nur eine DATEI angeben");
    } else {
      file = argv[i];
    }
  }
  if (!file) return usageError("keine DATEI angegeben");

  if (!programFileExists(file)) {
    put(stderr, "FEHLER: Die Datei ist nicht vorhanden oder läßt sich nicht öffnen\n");
    return kExitUsage;
  }
  // A pipe or FIFO is read like every tool reads it.
  const LoadResult loaded = loadProgramFile(file, FileKinds::Streams);
  if (!loaded) {
    put(stderr, "Fehler beim Laden der angegebenen Datei!\n");
    return kExitUsage;
  }

  MachineState state;
  state.singleStep = false;
  PrintingView view(loaded.texts, trace, maxSteps);
  const RunEnding ending = run(state, view, nullptr);
  view.printFinal();

  switch (ending) {
    case RunEnding::Error:
      return kExitRunError;
    case RunEnding::Cancelled:
      put(stderr, "paxamon-run: nach " + std::to_string(view.steps()) +
                      " Schritten angehalten (--max-steps)\n");
      return kExitStepLimit;
    default:
      return kExitOk;
  }
}

}  // namespace
}  // namespace paxamon

int main(int argc, char** argv) {
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  return paxamon::runnerMain(argc, argv);
}
