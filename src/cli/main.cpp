// paxamon-run: runs a program file headless on the window's executor and
// prints the final registers and memory, optionally every step; or checks
// a whole class's program files against the cases of a task.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/checker.h"
#include "cli/headlessview.h"
#include "cli/loadreason.h"
#include "cli/printable.h"
#include "cli/taskfile.h"
#include "files/programfile.h"
#include "machine/executor.h"

namespace paxamon {
namespace {

constexpr std::string_view kUsage =
    "Aufruf: paxamon-run [--trace] [--max-steps N] [--] DATEI\n"
    "        paxamon-run --check AUFGABE [--csv] [--max-steps N] [--] DATEI...\n"
    "        paxamon-run --help | --version\n"
    "\n"
    "Führt das Paxamon-Programm DATEI (.pax) ab Zelle 0 im Gesamtdurchlauf aus\n"
    "und gibt danach IR, PC, XR, AK und die 32 Speicherzellen aus. DATEI darf\n"
    "auch eine Pipe, ein FIFO oder ein Gerät sein; \"-\" liest das Programm von\n"
    "der Standardeingabe.\n"
    "\n"
    "  --trace              nach jedem vollständigen Schritt eine Zeile mit\n"
    "                       8 Feldern (TAB-getrennt): PC, Adresse der Zelle,\n"
    "                       IR, XR, AK, Zeichen, Steuerweg, Datenweg\n"
    "  --max-steps N, --max-steps=N\n"
    "                       nach N Schritten anhalten (N >= 1, Vorgabe 1000000)\n"
    "  --check AUFGABE, --check=AUFGABE\n"
    "                       jede DATEI mit jedem Fall der Aufgabendatei AUFGABE\n"
    "                       prüfen; je DATEI eine Zeile: bestandene Fälle und\n"
    "                       der erste nicht bestandene mit Erwartung und Befund\n"
    "                       (Aufbau der Aufgabendatei: man paxamon-run)\n"
    "  --csv                mit --check: CSV, eine Zeile je DATEI und Fall\n"
    "  --                   Ende der Optionen: jedes weitere Argument ist eine\n"
    "                       DATEI, auch eines mit \"-\" am Anfang; \"-\" ist dann\n"
    "                       die Datei namens \"-\"\n"
    "  --help               diese Hilfe\n"
    "  --version            die Version\n"
    "\n"
    "Texte erscheinen in UTF-8; Steuerzeichen werden umschrieben, damit jede\n"
    "Ausgabe eine Zeile bleibt: \\n, \\t, \\r, \\\\ für den Backslash und \\xNN\n"
    "(hexadezimal) für die übrigen Steuerzeichen und die fünf in Windows-1252\n"
    "nicht belegten Bytes 81, 8D, 8F, 90, 9D.\n"
    "\n"
    "Exit-Status: 0 nach END oder hinter Zelle 31, 1 nach einem Laufzeitfehler,\n"
    "2 bei falschem Aufruf, unlesbarer Datei oder wenn die Ausgabe nicht\n"
    "geschrieben werden kann, 3 bei Erreichen von --max-steps.\n"
    "Mit --check: 0 wenn jede DATEI jeden Fall besteht, 1 wenn ein Fall nicht\n"
    "besteht oder eine DATEI nicht ladbar ist, 2 bei falschem Aufruf, fehlerhafter\n"
    "Aufgabendatei (mit Zeilennummer) oder wenn die Ausgabe nicht geschrieben\n"
    "werden kann.\n";

constexpr std::string_view kVersionLine = "paxamon-run (Paxamon) " PAXAMON_VERSION "\n";

constexpr int kExitOk = 0;
constexpr int kExitRunError = 1;
constexpr int kExitCheckFailed = 1;  // a case failed or a file did not load
constexpr int kExitUsage = 2;        // also: the file cannot be read, the output not written
constexpr int kExitStepLimit = 3;

// Every write goes through here, so that a lost line is noticed: a failed
// write to either stream makes the exit status 2.
bool writeFailed = false;

void put(std::FILE* f, std::string_view text) {
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), f) != text.size()) {
    writeFailed = true;
  }
}

bool outputFailed() {
  return writeFailed || std::ferror(stdout) || std::ferror(stderr);
}

// The window stand-in of the runner: prints the run error, the trace after
// every step and the displays after the run.
class PrintingView final : public HeadlessView {
 public:
  PrintingView(const CellTexts& loaded, bool trace, std::uint64_t maxSteps)
      : HeadlessView(loaded, maxSteps), trace_(trace) {}

  void showRunError(std::string_view text) override {
    HeadlessView::showRunError(text);
    put(stderr, printableCp1252(text) + "\n");
  }

  void repaintNow() override {
    HeadlessView::repaintNow();
    if (!trace_) return;
    std::string line = printableCp1252(pc_);
    line += '\t';
    line += std::to_string(selected_);
    for (const std::string* field : {&ir_, &xr_, &ak_, &sign_, &control_, &data_}) {
      line += '\t';
      line += printableCp1252(*field);
    }
    line += '\n';
    put(stdout, line);
  }

  // Stops at the step limit, and when the output is lost anyway.
  bool stopRequested() override { return HeadlessView::stopRequested() || outputFailed(); }

  void printFinal() const {
    std::string out;
    out += "IR=" + printableCp1252(ir_) + "\n";
    out += "PC=" + printableCp1252(pc_) + "\n";
    out += "XR=" + printableCp1252(xr_) + "\n";
    out += "AK=" + printableCp1252(ak_) + "\n";
    for (int i = 0; i < kCellCount; ++i) {
      out +=
          std::to_string(i) + "\t" + printableCp1252(cells()[static_cast<std::size_t>(i)]) + "\n";
    }
    put(stdout, out);
  }

 private:
  bool trace_;
};

// One line on what is wrong and where to read more, as Debian's tools do.
int usageError(std::string_view message) {
  put(stderr, "paxamon-run: ");
  put(stderr, message);
  put(stderr, "\n\u201Epaxamon-run --help\u201C liefert weitere Informationen.\n");
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

// The first line is the window's message for the failure; the second names
// the file and the reason.
int loadError(const char* file, bool fromStdin, const LoadResult& loaded) {
  if (!fromStdin && !programFileExists(file)) {
    put(stderr, "FEHLER: Die Datei ist nicht vorhanden oder läßt sich nicht öffnen\n");
  } else {
    put(stderr, "Fehler beim Laden der angegebenen Datei!\n");
  }
  const std::string name = fromStdin ? "Standardeingabe" : printableUtf8(file);
  put(stderr, "paxamon-run: " + name + ": " +
                  std::string(loadFailureReason(loaded.failure, FileKinds::Streams)) + "\n");
  return kExitUsage;
}

// Checks every file against every case of the task and prints a line (or
// CSV rows) per file. A bad task file stops everything before a run.
int checkMain(const char* taskFile, const std::vector<const char*>& files, bool csv,
              std::uint64_t maxSteps) {
  std::string content;
  const std::string reason = readTaskFile(taskFile, content);
  if (!reason.empty()) {
    put(stderr, "paxamon-run: " + printableUtf8(taskFile) + ": " + reason + "\n");
    return kExitUsage;
  }
  const TaskParse parsed = parseTask(content);
  if (!parsed.ok) {
    std::string where = printableUtf8(taskFile);
    if (parsed.line > 0) where += ":" + std::to_string(parsed.line);
    put(stderr, "paxamon-run: " + where + ": " + parsed.message + "\n");
    return kExitUsage;
  }
  if (csv) put(stdout, csvHeader());
  bool allPassed = true;
  for (const char* file : files) {
    if (outputFailed()) break;
    const FileReport report = checkFile(file, parsed.task, maxSteps);
    allPassed = allPassed && report.failure == LoadFailure::None &&
                report.passed() == report.verdicts.size();
    put(stdout, csv ? csvRows(report, parsed.task) : reportLine(report, parsed.task));
  }
  return allPassed ? kExitOk : kExitCheckFailed;
}

int runnerMain(int argc, char** argv) {
  bool trace = false;
  bool csv = false;
  std::uint64_t maxSteps = 1000000;
  const char* taskFile = nullptr;
  std::vector<const char*> files;
  bool optionsEnded = false;
  bool standardInput = false;  // "-" before "--": the runner's program comes from stdin
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!optionsEnded && arg == "--help") {
      put(stdout, kUsage);
      return kExitOk;
    } else if (!optionsEnded && arg == "--version") {
      put(stdout, kVersionLine);
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
        return usageError("--max-steps braucht eine Zahl N >= 1, nicht \"" + printableUtf8(value) +
                          "\"");
      }
    } else if (!optionsEnded && (arg == "--check" || arg.starts_with("--check="))) {
      if (taskFile) return usageError("--check nur einmal angeben");
      if (arg == "--check") {
        if (i + 1 >= argc) return usageError("--check braucht eine Aufgabendatei");
        taskFile = argv[++i];
      } else {
        taskFile = argv[i] + std::strlen("--check=");
      }
    } else if (!optionsEnded && arg == "--csv") {
      csv = true;
    } else if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
      return usageError("unbekannte Option: " + printableUtf8(arg));
    } else {
      if (!optionsEnded && arg == "-" && files.empty()) standardInput = true;
      files.push_back(argv[i]);
    }
  }
  if (files.empty()) return usageError("keine DATEI angegeben");
  if (taskFile) {
    if (trace) return usageError("--trace geht nicht mit --check");
    return checkMain(taskFile, files, csv, maxSteps);
  }
  if (csv) return usageError("--csv nur mit --check");
  if (files.size() > 1) return usageError("nur eine DATEI ist erlaubt");
  const char* file = files.front();

  // A pipe, FIFO or device is read like every tool reads it.
  const LoadResult loaded =
      standardInput ? readProgramFrom(STDIN_FILENO) : loadProgramFile(file, FileKinds::Streams);
  if (!loaded) return loadError(file, standardInput, loaded);

  MachineState state;
  state.singleStep = false;
  PrintingView view(loaded.texts, trace, maxSteps);
  const RunEnding ending = run(state, view, nullptr);
  view.printFinal();

  switch (ending) {
    case RunEnding::Error:
      return kExitRunError;
    case RunEnding::Cancelled:
      if (outputFailed()) return kExitUsage;
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
  using namespace paxamon;
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  const int status = runnerMain(argc, argv);
  // Only a flushed and closed output is known to be written.
  bool written = !outputFailed() && std::fflush(stdout) == 0;
  written = std::fclose(stdout) == 0 && written;
  if (!written || writeFailed || std::ferror(stderr)) {
    std::fputs("paxamon-run: Die Ausgabe ließ sich nicht vollständig schreiben\n", stderr);
    return kExitUsage;
  }
  return status;
}
