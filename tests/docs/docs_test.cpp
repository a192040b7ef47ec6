// What the help file and the READMEs say the program does, run through the
// runner: the help's example programs with their stated results and the
// probes beside claims made in prose (their markup is described at the top
// of help/Paxamon.hlp), the table of examples, the README's task file, the
// checker's sessions in examples/aufgaben/README.md (see sessions.h) and its
// exercise sheet.
#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "files/programfile.h"
#include "machine/notation.h"
#include "sessions.h"

namespace paxamon {
namespace {

const fs::path kSource = PAXAMON_SOURCE_DIR;

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);)
    parts.push_back(part.ends_with('\r') ? part.substr(0, part.size() - 1) : part);
  return parts;
}

// Blank-separated words; "..." groups blanks into a word and is removed.
std::vector<std::string> words(const std::string& text) {
  static const std::regex kWord(R"((?:[^ "]|"[^"]*")+)");
  std::vector<std::string> result;
  for (std::sregex_iterator m(text.begin(), text.end(), kWord), end; m != end; ++m)
    result.push_back(std::regex_replace(m->str(), std::regex("\""), ""));
  return result;
}

// A program and what the documentation says about its run.
struct Check {
  std::string where;  // file:line
  CellTexts cells;
  std::string expectations;
  std::string file;                // the program as file content instead of cells
  bool unix2dos = false;           // the file converted by unix2dos first
  std::vector<std::string> steps;  // a step table: its header, then one row per step
};

// "\n" and "\r" in a probe's file content are line feed and carriage return.
std::string unescaped(const std::string& text) {
  return std::regex_replace(std::regex_replace(text, std::regex(R"(\\n)"), "\n"),
                            std::regex(R"(\\r)"), "\r");
}

// "[FILE.pax] N=TEXT ... => EXPECTATIONS", FILE from examples/; or
// "Datei=CONTENT [unix2dos] => EXPECTATIONS".
Check probe(const std::string& where, const std::string& text) {
  static const std::regex kAssignment(R"(([12]?\d|3[01])=(.*))");
  const auto arrow = text.find("=>");
  Check check;
  check.where = where;
  if (arrow != std::string::npos) check.expectations = text.substr(arrow + 2);
  EXPECT_NE(arrow, std::string::npos) << where << ": a probe without \"=>\"";
  for (const std::string& word : words(text.substr(0, arrow))) {
    std::smatch m;
    if (word.ends_with(".pax")) {
      const LoadResult loaded = loadProgramFile(kSource / "examples" / word);
      EXPECT_TRUE(loaded.ok()) << where << ": " << word;
      check.cells = loaded.texts;
    } else if (word.starts_with("Datei=")) {
      check.file = unescaped(word.substr(6));
    } else if (word == "unix2dos") {
      check.unix2dos = true;
    } else if (std::regex_match(word, m, kAssignment)) {
      check.cells[std::stoul(m[1])] = m[2];
    } else {
      ADD_FAILURE() << where << ": no cell assignment: " << word;
    }
  }
  return check;
}

// The probes written as "<!-- Probe: ... -->" in a Markdown file.
std::vector<Check> markdownProbes(const std::string& name) {
  static const std::regex kProbe(R"(<!-- Probe: (.*?) -->)");
  std::vector<Check> checks;
  const auto text = split(slurp(kSource / name), '\n');
  for (std::size_t i = 0; i < text.size(); ++i) {
    for (std::sregex_iterator m(text[i].begin(), text[i].end(), kProbe), end; m != end; ++m)
      checks.push_back(probe(name + ":" + std::to_string(i + 1), (*m)[1]));
  }
  return checks;
}

class Docs : public SessionTest {
 protected:
  // Runs the program with a trace and checks each expectation against what
  // the run showed, kept under the names of the expectations: the final
  // displays and cells, the executed cells ("Weg"), and the texts a display
  // showed one after the other, without empty ones and repetitions.
  void expectRun(const Check& check) {
    SCOPED_TRACE(check.where);
    write("p.pax", check.file.empty() ? formatProgram(check.cells) : check.file);
    if (check.unix2dos) {
      ASSERT_EQ(shell("unix2dos -q p.pax").status, 0) << "unix2dos (package dos2unix) missing?";
    }
    const Result r = shell("paxamon-run --trace --max-steps 10000 p.pax");
    static const std::string kTrace[] = {"PC", "Weg",     "IR",        "XR",
                                         "AK", "Zeichen", "Steuerweg", "Datenweg"};
    std::map<std::string, std::vector<std::string>> shown;
    for (const std::string& name : kTrace)
      shown[name == "Weg" ? name : name + "-Folge"];
    std::vector<std::vector<std::string>> trace;
    for (const std::string& line : split(r.out, '\n')) {
      const std::vector<std::string> fields = split(line + '\t', '\t');
      if (fields.size() == 8) trace.push_back(fields);
      for (std::size_t i = 0; fields.size() == 8 && i < 8; ++i) {
        auto& seen = shown[i == 1 ? "Weg" : kTrace[i] + "-Folge"];
        if (i == 1 || (!fields[i].empty() && (seen.empty() || seen.back() != fields[i])))
          seen.push_back(fields[i]);
      }
      if (fields.size() == 2) shown[fields[0]] = {fields[1]};
      if (fields.size() == 1 && line.size() > 2 && line[2] == '=')
        shown[line.substr(0, 2)] = {line.substr(3)};
    }

    const auto expected = words(check.expectations);
    const bool endless = std::count(expected.begin(), expected.end(), "endlos") > 0;
    std::string error;
    for (const std::string& word : expected) {
      const auto equals = word.find('=');
      const std::string name = word.substr(0, equals), value = word.substr(equals + 1);
      if (name == "Fehler") {
        error = value;
      } else if (word != "endlos" && (equals == std::string::npos || !shown.count(name))) {
        ADD_FAILURE() << "unknown expectation: " << word;
      } else if (word != "endlos") {
        std::vector<std::string> seen = shown[name];
        // A run without end is compared from its beginning.
        if (endless) seen.resize(std::min(seen.size(), split(value, ',').size()));
        std::string joined;
        for (std::size_t i = 0; i < seen.size(); ++i)
          joined += (i ? "," : "") + seen[i];
        EXPECT_EQ(joined, value) << name;
      }
    }
    if (!check.steps.empty()) expectSteps(check.steps, trace);
    EXPECT_EQ(r.status, !error.empty() ? 1 : endless ? 3 : 0) << r.err;
    if (!error.empty()) {
      EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "FEHLER: " + error);
    }
  }

  // A step table: a header naming the columns (the trace's names, "Zeile"
  // for the executed cell, "Nr." for the step's number), then one row per
  // step; each value stands under its column's name, an empty one for an
  // empty display.
  static void expectSteps(const std::vector<std::string>& table,
                          const std::vector<std::vector<std::string>>& trace) {
    static const std::map<std::string, int> kColumn = {
        {"Nr.", -1}, {"PC", 0},      {"Zeile", 1},     {"IR", 2},      {"XR", 3},
        {"AK", 4},   {"Zeichen", 5}, {"Steuerweg", 6}, {"Datenweg", 7}};
    const std::string& header = table[0];
    static const std::regex kName("[^ ]+");
    std::vector<std::pair<std::size_t, int>> columns;  // start, trace field
    for (std::sregex_iterator m(header.begin(), header.end(), kName), end; m != end; ++m) {
      ASSERT_TRUE(kColumn.count(m->str())) << "unknown column: " << m->str();
      columns.emplace_back(m->position(), kColumn.at(m->str()));
    }
    ASSERT_EQ(table.size() - 1, trace.size()) << "one row per step";
    for (std::size_t row = 1; row < table.size(); ++row) {
      for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::size_t start = columns[c].first;
        const std::size_t width = c + 1 < columns.size() ? columns[c + 1].first - start : 99;
        std::string value = table[row].size() > start ? table[row].substr(start, width) : "";
        value.erase(value.find_last_not_of(' ') + 1);
        const int field = columns[c].second;
        EXPECT_EQ(value, field < 0 ? std::to_string(row) : trace[row - 1][field])
            << "step " << row << ", column "
            << header.substr(start, header.find(' ', start) - start);
      }
    }
  }
};

TEST_F(Docs, TheHelpFilesExamplesRunAsTheHelpSays) {
  static const std::regex kCellLine(R"(  Zelle +(\d\d?): *(.*?) *)");
  std::vector<Check> checks;
  std::set<std::string> checkedTopics;
  std::string topic;
  bool inProgram = false;   // the line before was an example program's
  bool inTable = false;     // the line before was a step table's
  std::size_t program = 0;  // the topic's last example program
  const auto text = split(slurp(kSource / "help/Paxamon.hlp"), '\n');
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::string& line = text[i];
    const std::string where = "help/Paxamon.hlp:" + std::to_string(i + 1) + " (" + topic + ")";
    std::smatch m;
    if (!topic.empty() && std::regex_match(line, m, kCellLine)) {
      if (!inProgram) {
        checks.emplace_back().where = where;
        program = checks.size();
      }
      const std::string cell = m[2];
      const std::size_t address = std::stoul(m[1]);
      // A pupil types these: at most 9 characters of plain ASCII, each cell once.
      EXPECT_TRUE(cell.size() <= kCellCapacity && address < kCellCount &&
                  std::all_of(cell.begin(), cell.end(), [](char c) { return c > 0; }) &&
                  checks.back().cells[address % kCellCount].empty())
          << where;
      checks.back().cells[address % kCellCount] = cell;
      inProgram = true;
      continue;
    }
    inTable = (inTable && line.starts_with("  ")) || line == "@rem Schritte";
    if (inTable) {
      EXPECT_NE(program, 0u) << where << ": a step table without its program";
      if (program && line.starts_with("  ")) checks[program - 1].steps.push_back(line);
      continue;
    }
    const bool result = line.starts_with("@rem Ergebnis:");
    EXPECT_EQ(result, inProgram) << where << ": an example program needs \"@rem Ergebnis\" below";
    if (result && inProgram) checks.back().expectations = line.substr(14);
    if (result || line.starts_with("@rem Probe:")) checkedTopics.insert(topic);
    if (line.starts_with("@rem Probe:")) checks.push_back(probe(where, line.substr(11)));
    if (line.starts_with("@topic ")) {
      topic = line.substr(7);
      program = 0;
    }
    inProgram = false;
  }
  for (const Check& check : checks)
    expectRun(check);
  // Each instruction's topic teaches with a checked example.
  for (const std::string mnemonic : {"LDA", "STA", "ADD", "SUB", "MUL", "DIV", "MOD", "JMP", "JAN",
                                     "JAZ", "JXP", "NUL", "INC", "LDX", "STX", "END"}) {
    EXPECT_TRUE(std::any_of(checkedTopics.begin(), checkedTopics.end(),
                            [&](const std::string& t) { return t.starts_with(mnemonic); }))
        << "no checked example for " << mnemonic;
  }
}

TEST_F(Docs, TheReadmesClaimsHold) {
  const auto checks = markdownProbes("README.md");
  EXPECT_FALSE(checks.empty());
  for (const Check& check : checks)
    expectRun(check);
}

// Each program of examples/ is in the table of examples/README.md and
// computes the result given there ("Zelle 22 (42)") with the instructions
// the table names; the probes below the table hold too.
TEST_F(Docs, TheExamplesDoWhatTheirTableSays) {
  // | `FILE` | what it computes | input | result | instructions |
  static const std::regex kRow(R"(\| `([a-z]+\.pax)` \|[^|]*\|[^|]*\|([^|]*)\|([^|]*)\|)");
  static const std::regex kResult(R"(Zelle (\d+)[^(]*\((-?\d+)\))"), kMnemonic("[A-Z]{3}");
  std::set<fs::path> listed;
  const auto text = split(slurp(kSource / "examples/README.md"), '\n');
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::smatch row;
    if (!std::regex_match(text[i], row, kRow)) continue;
    listed.insert(row.str(1));
    Check check = probe("examples/README.md:" + std::to_string(i + 1), row.str(1) + " =>");
    const std::string results = row[2], mnemonics = row[3];
    for (std::sregex_iterator m(results.begin(), results.end(), kResult), end; m != end; ++m)
      check.expectations += " " + (*m)[1].str() + "=" + (*m)[2].str();
    EXPECT_NE(check.expectations, "") << check.where << ": no result \"Zelle N (WERT)\"";
    expectRun(check);
    for (std::sregex_iterator m(mnemonics.begin(), mnemonics.end(), kMnemonic), end; m != end;
         ++m) {
      EXPECT_TRUE(
          std::any_of(check.cells.begin(), check.cells.end(),
                      [&](const CellText& c) { return mnemonicOf(upperCell(c)) == m->str(); }))
          << check.where << ": does not use " << m->str();
    }
  }
  for (const auto& entry : fs::directory_iterator(kSource / "examples")) {
    if (entry.path().extension() == ".pax") {
      EXPECT_TRUE(listed.count(entry.path().filename())) << entry.path() << " is not in the table";
    }
  }
  for (const Check& check : markdownProbes("examples/README.md"))
    expectRun(check);
}

// The task file in the README is a real one, and the division example
// passes it, as the README says.
TEST_F(Docs, TheReadmesTaskFileHoldsForTheDivisionExample) {
  const std::string readme = slurp(kSource / "README.md");
  const auto start = readme.find("# Aufgabe: Teile");
  ASSERT_NE(start, std::string::npos);
  write("aufgabe.txt", readme.substr(start, readme.find("```", start) - start));
  const std::string task = (dir_ / "aufgabe.txt").string();
  EXPECT_EQ(shell("paxamon-run --check '" + task + "' examples/division.pax", kSource).out,
            "examples/division.pax: bestanden 4 von 4\n");
}

// The sessions examples/aufgaben/README.md shows print what it shows.
TEST_F(Docs, ExamplesReadmeShowsWhatTheCheckerPrints) {
  const fs::path folder = kSource / "examples/aufgaben";
  EXPECT_GE(expectSessions(folder / "README.md", folder), 2);
}

// Every task of examples/aufgaben/ is in the README's table and on the
// exercise sheet; its correct solution passes every case, its wrong one fails
// exactly the cases the table names; the sheet's examples hold.
TEST_F(Docs, ExerciseSheetTasksAndSolutionsAgree) {
  // | `TASK.txt` | ... | "CASE", "CASE" |
  static const std::regex kRow(R"(\| `([a-z_]+)\.txt` \|.*\| ([^|]*) \|)"), kQuoted("\"([^\"]*)\"");
  const fs::path folder = kSource / "examples/aufgaben";
  const std::string sheet = slurp(folder / "Aufgabenblatt.md");
  std::set<std::string> listed;
  for (const std::string& line : split(slurp(folder / "README.md"), '\n')) {
    std::smatch row;
    if (!std::regex_match(line, row, kRow)) continue;
    const std::string task = row[1], named = row[2];
    SCOPED_TRACE(task);
    listed.insert(task);
    EXPECT_NE(sheet.find("`" + task + ".txt`"), std::string::npos) << "not on the sheet";
    std::set<std::string> expected, failed;
    for (std::sregex_iterator m(named.begin(), named.end(), kQuoted), end; m != end; ++m)
      expected.insert((*m)[1]);
    const Result r = shell("paxamon-run --check " + task + ".txt --csv " + task + "_richtig.pax " +
                               task + "_falsch.pax",
                           folder);
    for (const std::string& line : split(r.out, '\n')) {
      const std::vector<std::string> fields = split(line, ',');
      if (fields.size() < 3 || fields[0] == "Datei") continue;
      EXPECT_TRUE(fields[0].ends_with("_falsch.pax") || fields[2] == "1") << line;
      if (fields[2] == "0") failed.insert(fields[1]);
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(failed, expected) << r.out << r.err;
  }
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".txt") {
      EXPECT_TRUE(listed.count(entry.path().stem())) << entry.path() << " is not in the table";
    }
  }
  for (const Check& check : markdownProbes("examples/aufgaben/Aufgabenblatt.md"))
    expectRun(check);
}

}  // namespace
}  // namespace paxamon
