// What the help file and the READMEs say a program does, run through the
// runner: every example program of the help with its stated result, the
// hidden probes beside claims made in prose, and the example table.
//
// The markup (described in the help file's header):
//   - an example program is a run of code lines "  Zelle N:  TEXT"; the line
//     right below it is "@rem Ergebnis: EXPECTATIONS";
//   - "@rem Probe: [FILE.pax] N=TEXT ... => EXPECTATIONS" in the help file,
//     "<!-- Probe: ... -->" in a README, checks a claim without showing a
//     program (FILE is one of examples/, loaded before the cells are set).
// Expectations, separated by blanks, a value with blanks in "...":
//   N=TEXT            cell N holds TEXT after the run
//   IR= PC= XR= AK=   the final display (empty after "=" for an empty one)
//   Weg=0,1,3         the cells executed, in order
//   AK-Folge=3,7      the values a display showed one after the other, empty
//                     ones and repetitions left out; also IR, PC, XR,
//                     Zeichen, Steuerweg, Datenweg
//   Fehler="TEXT"     the run stops with "FEHLER: TEXT"
//   endlos            the run does not end by itself
// Without Fehler and endlos the run must end with END or after cell 31.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "files/programfile.h"

namespace paxamon {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = PAXAMON_SOURCE_DIR;
constexpr int kStepLimit = 10000;  // far beyond any example; "endlos" hits it

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    result.push_back(line);
  }
  return result;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator))
    parts.push_back(part);
  return parts;
}

std::string trim(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Blank-separated words; "..." groups blanks into a word and is removed.
std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> result;
  std::string word;
  bool quoted = false, any = false;
  for (const char c : text) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c == ' ' && !quoted) {
      if (any) result.push_back(word);
      word.clear();
      any = false;
    } else {
      word += c;
      any = true;
    }
  }
  if (any) result.push_back(word);
  return result;
}

// A program and what the documentation says about its run.
struct Check {
  std::string where;  // file:line, and the help topic
  CellTexts cells;
  std::string expectations;
};

// What the runner printed for one run.
struct Outcome {
  int status = -1;
  std::string error;                            // the first line on standard error
  std::vector<std::vector<std::string>> trace;  // 8 fields per step
  std::map<std::string, std::string> registers;
  CellTexts cells;
};

Outcome run(const CellTexts& cells) {
  const fs::path dir = fs::temp_directory_path() / ("paxamon-docs-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path program = dir / "p.pax", out = dir / "out", err = dir / "err";
  std::ofstream(program, std::ios::binary) << formatProgram(cells);
  const std::string command = std::string("'") + PAXAMON_RUNNER + "' --trace --max-steps " +
                              std::to_string(kStepLimit) + " '" + program.string() + "' >'" +
                              out.string() + "' 2>'" + err.string() + "'";
  const int raw = std::system(command.c_str());
  Outcome o;
  o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  const auto errLines = lines(slurp(err));
  if (!errLines.empty()) o.error = errLines.front();
  for (const std::string& line : lines(slurp(out))) {
    const auto tab = line.find('\t');
    if (std::count(line.begin(), line.end(), '\t') == 7) {
      o.trace.push_back(split(line + "\t", '\t'));
      o.trace.back().resize(8);
    } else if (tab != std::string::npos) {
      o.cells[static_cast<std::size_t>(std::stoi(line.substr(0, tab)))] = line.substr(tab + 1);
    } else if (line.size() >= 3 && line[2] == '=') {
      o.registers[line.substr(0, 2)] = line.substr(3);
    }
  }
  fs::remove_all(dir);
  return o;
}

// Sets "N=TEXT" in cells; false when the word is no such assignment.
bool setCell(const std::string& word, CellTexts& cells) {
  static const std::regex kAssignment(R"((\d+)=(.*))");
  std::smatch m;
  if (!std::regex_match(word, m, kAssignment)) return false;
  const int address = std::stoi(m[1]);
  if (address >= kCellCount) return false;
  cells[static_cast<std::size_t>(address)] = m[2];
  return true;
}

// Checks a run against the expectations; each failure names the check.
void expectRun(const Check& check) {
  SCOPED_TRACE(check.where);
  const Outcome o = run(check.cells);
  static const std::map<std::string, int> kFields = {
      {"PC", 0},      {"IR", 2},        {"XR", 3},      {"AK", 4},
      {"Zeichen", 5}, {"Steuerweg", 6}, {"Datenweg", 7}};
  std::string error;
  bool endless = false;
  for (const std::string& word : words(check.expectations)) {
    const auto equals = word.find('=');
    const std::string name = word.substr(0, equals);
    const std::string value = equals == std::string::npos ? "" : word.substr(equals + 1);
    const std::string folge = "-Folge";
    if (word == "endlos") {
      endless = true;
    } else if (equals == std::string::npos) {
      ADD_FAILURE() << "no expectation: " << word;
    } else if (std::all_of(name.begin(), name.end(), ::isdigit) && !name.empty() &&
               std::stoi(name) < kCellCount) {
      EXPECT_EQ(o.cells[static_cast<std::size_t>(std::stoi(name))], value) << "cell " << name;
    } else if (name == "IR" || name == "PC" || name == "XR" || name == "AK") {
      EXPECT_EQ(o.registers.count(name) ? o.registers.at(name) : "<missing>", value) << name;
    } else if (name == "Fehler") {
      error = value;
    } else if (name == "Weg" || (name.size() > folge.size() && name.ends_with(folge) &&
                                 kFields.count(name.substr(0, name.size() - folge.size())))) {
      const bool path = name == "Weg";
      const int field = path ? 1 : kFields.at(name.substr(0, name.size() - folge.size()));
      std::vector<std::string> shown;
      for (const auto& step : o.trace) {
        const std::string& text = step[static_cast<std::size_t>(field)];
        if (path || (!text.empty() && (shown.empty() || shown.back() != text)))
          shown.push_back(text);
      }
      const auto expected = split(value, ',');
      // A run without end is compared from its beginning.
      if (endless && shown.size() > expected.size()) shown.resize(expected.size());
      EXPECT_EQ(shown, expected) << name;
    } else {
      ADD_FAILURE() << "unknown expectation: " << word;
    }
  }
  if (!error.empty()) {
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.error, "FEHLER: " + error);
  } else if (endless) {
    EXPECT_EQ(o.status, 3) << "the run ended by itself";
  } else {
    EXPECT_EQ(o.status, 0) << o.error;
  }
}

// "[FILE.pax] N=TEXT ... => EXPECTATIONS" as a check.
Check probe(const std::string& where, const std::string& text) {
  Check check{where, {}, {}};
  const auto arrow = text.find("=>");
  if (arrow == std::string::npos) {
    ADD_FAILURE() << where << ": a probe without \"=>\"";
    return check;
  }
  check.expectations = text.substr(arrow + 2);
  for (const std::string& word : words(text.substr(0, arrow))) {
    if (word.ends_with(".pax")) {
      const LoadResult loaded = loadProgramFile(kSource / "examples" / word);
      EXPECT_TRUE(loaded.ok()) << where << ": " << word;
      check.cells = loaded.texts;
    } else if (!setCell(word, check.cells)) {
      ADD_FAILURE() << where << ": no cell assignment: " << word;
    }
  }
  return check;
}

// The probes written as "<!-- Probe: ... -->" in a Markdown file.
std::vector<Check> markdownProbes(const std::string& name) {
  std::vector<Check> checks;
  static const std::regex kProbe(R"(<!-- Probe: (.*?) -->)");
  const auto text = lines(slurp(kSource / name));
  for (std::size_t i = 0; i < text.size(); ++i) {
    for (std::sregex_iterator m(text[i].begin(), text[i].end(), kProbe), end; m != end; ++m)
      checks.push_back(probe(name + ":" + std::to_string(i + 1), (*m)[1]));
  }
  return checks;
}

// The help file's example programs and probes, and per topic how many.
struct HelpChecks {
  std::vector<Check> checks;
  std::map<std::string, int> perTopic;
};

HelpChecks helpChecks() {
  static const std::regex kCellLine(R"(  Zelle +(\d+): *(.*))");
  const std::string kResult = "@rem Ergebnis:", kProbe = "@rem Probe:";
  HelpChecks help;
  std::string topic;
  const auto text = lines(slurp(kSource / "help/Paxamon.hlp"));
  bool afterProgram = false;  // the line before was an example program's
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::string& line = text[i];
    const std::string where = "help/Paxamon.hlp:" + std::to_string(i + 1) + " (" + topic + ")";
    std::smatch m;
    if (!topic.empty() && std::regex_match(line, m, kCellLine)) {
      if (!afterProgram) help.checks.push_back({where, {}, {}});
      Check& check = help.checks.back();
      const int address = std::stoi(m[1]);
      const std::string cell = trim(m[2]);
      // A pupil types these: at most 9 characters, and plain ASCII.
      EXPECT_LE(cell.size(), kCellCapacity) << where;
      EXPECT_TRUE(std::all_of(cell.begin(), cell.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80;
      })) << where;
      if (address < kCellCount && check.cells[static_cast<std::size_t>(address)].empty()) {
        check.cells[static_cast<std::size_t>(address)] = cell;
      } else {
        ADD_FAILURE() << where << ": cell " << address << " out of range or given twice";
      }
      afterProgram = true;
      continue;
    }
    if (line.starts_with(kResult)) {
      if (afterProgram) {
        help.checks.back().expectations = line.substr(kResult.size());
        ++help.perTopic[topic];
      } else {
        ADD_FAILURE() << where << ": \"@rem Ergebnis\" below no example program";
      }
    } else if (afterProgram) {
      ADD_FAILURE() << where << ": an example program without \"@rem Ergebnis\" below it";
    }
    afterProgram = false;
    if (line.starts_with("@topic ")) {
      topic = trim(line.substr(7));
    } else if (line.starts_with(kProbe)) {
      help.checks.push_back(probe(where, line.substr(kProbe.size())));
      ++help.perTopic[topic];
    }
  }
  return help;
}

TEST(Docs, TheHelpFilesExamplesRunAsTheHelpSays) {
  const HelpChecks help = helpChecks();
  for (const Check& check : help.checks)
    expectRun(check);
  // Each instruction's topic teaches with a checked example.
  for (const char* mnemonic : {"LDA", "STA", "ADD", "SUB", "MUL", "DIV", "MOD", "JMP", "JAN", "JAZ",
                               "JXP", "NUL", "INC", "LDX", "STX", "END"}) {
    EXPECT_TRUE(std::any_of(help.perTopic.begin(), help.perTopic.end(),
                            [&](const auto& entry) { return entry.first.starts_with(mnemonic); }))
        << "no checked example for " << mnemonic;
  }
}

TEST(Docs, TheReadmesClaimsHold) {
  const auto checks = markdownProbes("README.md");
  EXPECT_FALSE(checks.empty());
  for (const Check& check : checks)
    expectRun(check);
}

// Each program of examples/ is in the table of examples/README.md and
// computes the result given there ("Zelle 22 (42)") with the instructions
// the table names; the probes below the table hold too.
TEST(Docs, TheExamplesDoWhatTheirTableSays) {
  const std::string name = "examples/README.md";
  const auto text = lines(slurp(kSource / name));
  int resultColumn = -1, instructionColumn = -1;
  std::set<std::string> listed;
  static const std::regex kFile(R"(`([a-z]+\.pax)`)");
  static const std::regex kResult(R"(Zelle (\d+)[^(|]*\((-?\d+)\))");
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!text[i].starts_with("|")) continue;
    const auto columns = split(text[i], '|');
    std::smatch file;
    if (resultColumn < 0) {
      for (std::size_t c = 0; c < columns.size(); ++c) {
        if (trim(columns[c]).starts_with("Ergebnis")) resultColumn = static_cast<int>(c);
        if (trim(columns[c]).starts_with("Befehle")) instructionColumn = static_cast<int>(c);
      }
      continue;
    }
    if (!std::regex_search(columns[1], file, kFile)) continue;
    ASSERT_GT(instructionColumn, 0);
    const std::string where = name + ":" + std::to_string(i + 1) + " (" + file[1].str() + ")";
    listed.insert(file[1]);
    Check check = probe(where, file[1].str() + " =>");
    const std::string results = columns[static_cast<std::size_t>(resultColumn)];
    for (std::sregex_iterator m(results.begin(), results.end(), kResult), end; m != end; ++m)
      check.expectations += " " + (*m)[1].str() + "=" + (*m)[2].str();
    EXPECT_NE(check.expectations, "") << where << ": no result \"Zelle N (WERT)\"";
    expectRun(check);
    for (const std::string& mnemonic :
         split(columns[static_cast<std::size_t>(instructionColumn)], ',')) {
      const std::string wanted = trim(mnemonic);
      EXPECT_TRUE(std::any_of(check.cells.begin(), check.cells.end(),
                              [&](const std::string& cell) {
                                std::string upper = cell.substr(0, 3);
                                for (char& c : upper)
                                  c = static_cast<char>(
                                      std::toupper(static_cast<unsigned char>(c)));
                                return upper == wanted;
                              }))
          << where << ": does not use " << wanted;
    }
  }
  for (const auto& entry : fs::directory_iterator(kSource / "examples")) {
    if (entry.path().extension() != ".pax") continue;
    EXPECT_TRUE(listed.count(entry.path().filename().string()))
        << entry.path().filename() << " is not in the table";
  }
  for (const Check& check : markdownProbes(name))
    expectRun(check);
}

}  // namespace
}  // namespace paxamon
