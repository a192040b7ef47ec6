#include "cli/checker.h"

#include <algorithm>

#include "cli/headlessview.h"
#include "cli/loadreason.h"
#include "cli/printable.h"

namespace paxamon {

namespace {

std::string quotedCell(std::string_view cp1252) {
  return "\"" + printableCp1252(cp1252) + "\"";
}

std::string expectedEnding(const TaskCase& c) {
  switch (c.ending) {
    case EndingKind::End:
      return "END";
    case EndingKind::PassedLastCell:
      return "nach Zelle 31";
    case EndingKind::Error:
      return quotedCell(c.errorText);
    case EndingKind::Normal:
      break;
  }
  return "normal";
}

std::string foundEnding(const CaseRun& run) {
  switch (run.ending) {
    case RunEnding::End:
      return "END";
    case RunEnding::PassedLastCell:
      return "nach Zelle 31";
    case RunEnding::Error:
      return quotedCell(run.errorText);
    case RunEnding::Cancelled:
      break;
  }
  return "Schrittgrenze erreicht (" + std::to_string(run.steps) + " Schritte)";
}

bool endingMet(const TaskCase& c, const CaseRun& run) {
  switch (run.ending) {
    case RunEnding::End:
      return c.ending == EndingKind::End || c.ending == EndingKind::Normal;
    case RunEnding::PassedLastCell:
      return c.ending == EndingKind::PassedLastCell || c.ending == EndingKind::Normal;
    case RunEnding::Error:
      return c.ending == EndingKind::Error && c.errorText == run.errorText;
    case RunEnding::Cancelled:
      break;
  }
  return false;  // a run stopped at the step limit meets no ending
}

std::string subjectText(const Expectation& e) {
  std::string text = subjectName(e.subject);
  if (e.subject == Subject::Cell) text += " " + std::to_string(e.cell);
  return text;
}

const std::string& actualText(const Expectation& e, const CaseRun& run) {
  switch (e.subject) {
    case Subject::IR:
      return run.ir;
    case Subject::PC:
      return run.pc;
    case Subject::XR:
      return run.xr;
    case Subject::AK:
      return run.ak;
    case Subject::Cell:
      break;
  }
  return run.cells[static_cast<std::size_t>(e.cell)];
}

bool isPlainNumber(std::string_view text) {
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// One CSV field of printable text. A field a spreadsheet would take for a
// formula (a pupil's file name or cell text such as "=HYPERLINK(...)") gets
// a leading apostrophe; plain numbers like "-5" stay as they are. A field
// with a separator, a quote or blanks at its ends is quoted, its quotes
// doubled.
std::string csvField(std::string text) {
  if (!text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos &&
      !isPlainNumber(text)) {
    text.insert(0, 1, '\'');
  }
  const bool quote = text.find_first_of(",;\"") != std::string::npos ||
                     (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quote) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string csvRow(std::initializer_list<std::string> fields) {
  std::string row;
  bool first = true;
  for (const std::string& field : fields) {
    if (!first) row += ',';
    first = false;
    row += csvField(field);
  }
  row += '\n';
  return row;
}

}  // namespace

CaseRun runCase(const CellTexts& program, const TaskCase& c, std::uint64_t maxSteps) {
  CellTexts start = program;
  for (const auto& [cell, text] : c.cells)
    start[static_cast<std::size_t>(cell)] = text;
  MachineState state;
  state.singleStep = false;
  HeadlessView view(start, maxSteps);
  CaseRun result;
  result.ending = run(state, view, nullptr);
  result.errorText = view.error();
  result.cells = view.cells();
  result.ir = view.ir();
  result.pc = view.pc();
  result.xr = view.xr();
  result.ak = view.ak();
  result.steps = view.steps();
  return result;
}

Verdict judge(const TaskCase& c, const CaseRun& run) {
  if (!endingMet(c, run)) return {false, "Ende = " + expectedEnding(c), foundEnding(run)};
  for (const Expectation& e : c.expectations) {
    const std::string& actual = actualText(e, run);
    if (actual != e.text)
      return {false, subjectText(e) + " = " + quotedCell(e.text), quotedCell(actual)};
  }
  return {};
}

std::size_t FileReport::passed() const {
  return static_cast<std::size_t>(
      std::count_if(verdicts.begin(), verdicts.end(), [](const Verdict& v) { return v.passed; }));
}

FileReport checkFile(const std::string& name, const Task& task, std::uint64_t maxSteps) {
  FileReport report;
  report.name = name;
  const LoadResult loaded = loadProgramFile(name);
  report.failure = loaded.failure;
  if (!loaded) return report;
  report.verdicts.reserve(task.cases.size());
  for (const TaskCase& c : task.cases)
    report.verdicts.push_back(judge(c, runCase(loaded.texts, c, maxSteps)));
  return report;
}

std::string reportLine(const FileReport& report, const Task& task) {
  std::string line = printableUtf8(report.name) + ": ";
  if (report.failure != LoadFailure::None) {
    return line + "nicht ladbar: " +
           std::string(loadFailureReason(report.failure, FileKinds::RegularOnly)) + "\n";
  }
  line += "bestanden " + std::to_string(report.passed()) + " von " +
          std::to_string(report.verdicts.size());
  for (std::size_t i = 0; i < report.verdicts.size(); ++i) {
    const Verdict& v = report.verdicts[i];
    if (v.passed) continue;
    line += "; Fall \"" + printableUtf8(task.cases[i].name) + "\": erwartet " + v.expected +
            ", gefunden " + v.found;
    break;
  }
  return line + "\n";
}

std::string csvHeader() {
  return "Datei,Fall,bestanden,erwartet,gefunden\n";
}

std::string csvRows(const FileReport& report, const Task& task) {
  const std::string file = printableUtf8(report.name);
  std::string rows;
  for (std::size_t i = 0; i < task.cases.size(); ++i) {
    const std::string name = printableUtf8(task.cases[i].name);
    if (report.failure != LoadFailure::None) {
      rows += csvRow({file, name, "0", "",
                      "nicht ladbar: " +
                          std::string(loadFailureReason(report.failure, FileKinds::RegularOnly))});
    } else {
      const Verdict& v = report.verdicts[i];
      rows += csvRow({file, name, v.passed ? "1" : "0", v.expected, v.found});
    }
  }
  return rows;
}

}  // namespace paxamon
