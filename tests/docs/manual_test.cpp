// What the manual pages, English and German, say about the command lines:
// the options they list are accepted and in --help, the exit statuses are
// the tools' own, every message they quote is one the tools print, and the
// operation signs, the listing and the trace example are the runner's.
#include <algorithm>
#include <cstring>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "shell.h"

namespace paxamon {
namespace {

using namespace std::literals;

// The section names of a page in its language.
struct Language {
  const char* dir;  // below the build's doc/
  const char *synopsis, *options, *exitStatus, *diagnostics, *output, *machine;
};
const Language kLanguages[] = {
    {"man1", "SYNOPSIS", "OPTIONS", "EXIT STATUS", "DIAGNOSTICS", "OUTPUT", "THE MACHINE"},
    {"de/man1", "ÜBERSICHT", "OPTIONEN", "EXIT-STATUS", "DIAGNOSE", "AUSGABE", "DIE MASCHINE"},
};

// Text of roff source as a reader sees it: escapes resolved, fonts dropped.
// An italic part (a placeholder such as N or FILE) becomes `italic`.
std::string plain(std::string_view roff, std::string_view italic = {}) {
  static const std::map<std::string, std::string, std::less<>> kNamed = {
      {":a", "ä"}, {":o", "ö"}, {":u", "ü"}, {":A", "Ä"}, {":O", "Ö"}, {":U", "Ü"},
      {"ss", "ß"}, {"Bq", "„"}, {"lq", "“"}, {"rq", "”"}, {"aq", "'"}, {"dq", "\""},
      {"co", "©"}, {"->", "→"}, {">=", "≥"}, {"mu", "×"}, {"di", "÷"}};
  std::string out;
  bool inItalic = false;
  for (std::size_t i = 0; i < roff.size(); ++i) {
    if (roff[i] != '\\' || i + 1 == roff.size()) {
      if (!inItalic || italic.empty()) out += roff[i];
      continue;
    }
    const char c = roff[++i];
    if (c == 'f' && i + 1 < roff.size()) {
      const bool wasItalic = inItalic;
      inItalic = roff[++i] == 'I';
      if (inItalic && !wasItalic) out += italic;
    } else if (c == '(' && i + 2 < roff.size()) {
      const auto named = kNamed.find(roff.substr(i + 1, 2));
      EXPECT_NE(named, kNamed.end()) << "unknown escape in " << roff;
      if (named != kNamed.end()) out += named->second;
      i += 2;
    } else if (c == '-' || c == '\\') {
      out += c;
    } else if (c == 'e') {
      out += '\\';
    } else if (c == '~' || c == ' ') {
      out += ' ';
    } else if (c != '&') {
      ADD_FAILURE() << "unknown escape \\" << c << " in " << roff;
    }
  }
  return out;
}

// The TAB-separated fields of a line, empty ones included.
std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> result;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    result.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return result;
    start = tab + 1;
  }
}

// A configured page, split into its sections.
struct Page {
  std::string name;  // for messages: de/man1/paxamon-run.1
  const Language* language;
  std::map<std::string, std::vector<std::string>> sections;

  const std::vector<std::string>& section(const char* title) const {
    static const std::vector<std::string> kNone;
    const auto found = sections.find(title);
    EXPECT_NE(found, sections.end()) << name << " has no section " << title;
    return found == sections.end() ? kNone : found->second;
  }

  // The lines after each ".TP" of a section: the tags of its entries.
  std::vector<std::string> tags(const char* title) const {
    std::vector<std::string> result;
    const auto& text = section(title);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i] == ".TP") result.push_back(text[i + 1]);
    }
    return result;
  }
};

Page readPage(const Language& language, const std::string& file) {
  Page page{std::string(language.dir) + "/" + file, &language, {}};
  std::vector<std::string>* current = nullptr;
  for (const std::string& line : lines(slurp(fs::path(PAXAMON_MAN_DIR) / language.dir / file))) {
    if (line.starts_with(".SH ")) {
      std::string title = plain(line.substr(4));
      if (title.starts_with('"')) title = title.substr(1, title.size() - 2);
      current = &page.sections[title];
    } else if (current) {
      current->push_back(line);
    }
  }
  return page;
}

// The tools whose pages are checked; the window's program only where it
// is built.
struct Tool {
  const char* page;
  const char* command;  // a shell command that runs it
};
const Tool kRunner = {"paxamon-run.1", "paxamon-run"};
#ifdef PAXAMON_PROGRAM
const Tool kProgram = {"paxamon.1", "env -u DISPLAY -u WAYLAND_DISPLAY '" PAXAMON_PROGRAM "'"};
const Tool kTools[] = {kRunner, kProgram};
#else
const Tool kTools[] = {kRunner};
#endif

std::set<std::string> optionsIn(const std::string& text) {
  static const std::regex kOption(R"((?:^|[^\w-])(--[a-z][a-z-]*=?|--(?![\w-])))");
  std::set<std::string> found;
  for (std::sregex_iterator m(text.begin(), text.end(), kOption), end; m != end; ++m)
    found.insert((*m)[1]);
  return found;
}

class ManualPages : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    write("end.pax", "END");
    write("div.pax", "INC\rDIV05");
    write("loop.pax", "JMP00");
    write("t.txt", "Fall a\nerwarte Ende = END\n");
    write("bad.txt", "Fall a\n");
  }

  Result run(const Tool& tool, const std::string& arguments) const {
    return shell(std::string(tool.command) + " " + arguments);
  }
};

TEST_F(ManualPages, OptionsAreAcceptedAndListedInTheHelp) {
  // A use of each option and its exit status.
  const std::map<std::string, std::pair<std::string, int>> uses[] = {
      {{"--trace", {"--trace end.pax", 0}},
       {"--max-steps", {"--max-steps 3 loop.pax", 3}},
       {"--max-steps=", {"--max-steps=3 loop.pax", 3}},
       {"--check", {"--check t.txt end.pax", 0}},
       {"--check=", {"--check=t.txt end.pax", 0}},
       {"--csv", {"--check t.txt --csv end.pax", 0}},
       {"--", {"-- end.pax", 0}},
       {"--help", {"--help", 0}},
       {"--version", {"--version", 0}}},
      // "--" before two files: the second is the mistake, not "--".
      {{"--", {"-- a.pax b.pax", 2}}, {"--help", {"--help", 0}}, {"--version", {"--version", 0}}},
  };
  for (std::size_t t = 0; t < std::size(kTools); ++t) {
    const Tool& tool = kTools[t];
    const std::set<std::string> inHelp = optionsIn(run(tool, "--help").out);
    const std::string version = run(tool, "--version").out;
    for (const Language& language : kLanguages) {
      const Page page = readPage(language, tool.page);
      SCOPED_TRACE(page.name);
      std::string listed;
      for (const std::string& tag : page.tags(language.options))
        listed += plain(tag) + "\n";
      const std::set<std::string> options = optionsIn(listed);
      for (const std::string& option : options) {
        EXPECT_TRUE(inHelp.count(option)) << option << " is not in --help";
        const auto use = uses[t].find(option);
        if (use == uses[t].end()) {
          ADD_FAILURE() << "no use of " << option << " known to the test";
          continue;
        }
        const Result r = run(tool, use->second.first);
        EXPECT_EQ(r.status, use->second.second) << use->second.first << ": " << r.err;
        EXPECT_EQ(r.err.find("unbekannte Option"), std::string::npos) << r.err;
      }
      // Whatever --help offers, the page lists; so does its synopsis.
      for (const std::string& option : inHelp)
        EXPECT_TRUE(options.count(option)) << option << " from --help is not in the page";
      std::string synopsis;
      for (const std::string& line : page.section(language.synopsis))
        synopsis += plain(line) + "\n";
      for (const std::string& option : optionsIn(synopsis))
        EXPECT_TRUE(options.count(option)) << option << " of the synopsis is not described";
      // The version line, as the page quotes it.
      std::string text;
      for (const std::string& line : page.section(language.options))
        text += plain(line) + " ";
      EXPECT_NE(text.find(version.substr(0, version.size() - 1)), std::string::npos) << version;
    }
  }
}

TEST_F(ManualPages, ExitStatusesAreTheToolsOwn) {
  // Each list of statuses in a page, with a command that ends in each.
  const std::vector<std::map<int, std::string>> statuses[] = {
      {{{0, "end.pax"}, {1, "div.pax"}, {2, "-h end.pax"}, {3, "--max-steps 3 loop.pax"}},
       {{0, "--check t.txt end.pax"},
        {1, "--check t.txt div.pax"},
        {2, "--check bad.txt end.pax"}}},
      {{{0, "--version"}, {2, "-h"}}},
  };
  for (std::size_t t = 0; t < std::size(kTools); ++t) {
    for (const Language& language : kLanguages) {
      const Page page = readPage(language, kTools[t].page);
      SCOPED_TRACE(page.name);
      std::vector<std::vector<int>> lists(1);
      const auto& text = page.section(language.exitStatus);
      for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == ".TP" && text[i + 1].starts_with(".B ")) {
          lists.back().push_back(std::stoi(text[i + 1].substr(3)));
        } else if (text[i] == ".PP" && !lists.back().empty()) {
          lists.emplace_back();
        }
      }
      if (lists.back().empty()) lists.pop_back();
      ASSERT_EQ(lists.size(), statuses[t].size());
      for (std::size_t l = 0; l < lists.size(); ++l) {
        std::vector<int> expected;
        for (const auto& [status, arguments] : statuses[t][l])
          expected.push_back(status);
        EXPECT_EQ(lists[l], expected) << "list " << l;
      }
    }
    for (const auto& list : statuses[t]) {
      for (const auto& [status, arguments] : list) {
        const Result r = run(kTools[t], arguments);
        EXPECT_EQ(r.status, status) << arguments << ": " << r.err;
        // After a run error and at the step limit the listing still comes.
        if (t == 0 && (status == 1 || status == 3) && !arguments.starts_with("--check")) {
          EXPECT_EQ(lines(r.out).size(), 36u) << arguments;
        }
      }
    }
  }
}

TEST_F(ManualPages, EveryQuotedMessageIsOneTheToolsPrint) {
  // The runner's every message: the four run errors, the step limit, a
  // usage error, each reason a file cannot be read for, the checker's own
  // reason and output that cannot be written.
  ASSERT_TRUE(makeSocket("s.pax"));
  write("jmp.pax", "JMP40");
  write("lda.pax", "LDA05\r\r\r\r\rx");
  const Result runner = shell(
      "exec 2>&1\n"
      "for f in jmp.pax lda.pax div.pax /dev/null fehlt.pax . s.pax /proc/self/mem; do\n"
      "  paxamon-run $f >/dev/null\n"
      "done\n"
      "paxamon-run --max-steps 3 loop.pax >/dev/null; paxamon-run -h\n"
      "head -c 2000000 /dev/zero >big.pax; paxamon-run big.pax\n"
      "ln -s kreis1 kreis2; ln -s kreis2 kreis1; paxamon-run kreis1\n"
      "paxamon-run --check t.txt s.pax; paxamon-run end.pax >/dev/full\n");
  std::vector<std::string> printed = lines(runner.out);
  const auto matchAll = [&printed](const Page& page, const char* title) {
    SCOPED_TRACE(page.name);
    int quoted = 0;
    for (const std::string& tag : page.tags(title)) {
      if (!tag.starts_with(".B \"")) continue;
      const std::string pattern =
          plain(tag.substr(4, tag.size() - 5), "\x01");  // placeholders marked
      std::string regex;
      for (const char c : pattern)
        regex += c == '\x01' ? ".+" : std::strchr(".^$|()[]{}*+?\\", c) && c ? "\\"s + c : ""s + c;
      EXPECT_TRUE(std::any_of(
          printed.begin(), printed.end(),
          [&](const std::string& line) { return std::regex_match(line, std::regex(regex)); }))
          << "never printed: " << pattern;
      ++quoted;
    }
    EXPECT_GE(quoted, 5);
  };
  for (const Language& language : kLanguages)
    matchAll(readPage(language, kRunner.page), language.diagnostics);
#ifdef PAXAMON_PROGRAM
  // The window's boxes show the runner's texts; its usage errors are its own.
  const Result program = shell("exec 2>&1; for a in -h 'a b' \"''\"; do eval " +
                               std::string(kProgram.command) + " $a; done");
  for (const std::string& line : lines(program.out))
    printed.push_back(line);
  for (const Language& language : kLanguages)
    matchAll(readPage(language, kProgram.page), language.diagnostics);
  // An option is printed so that it cannot steer the terminal.
  EXPECT_EQ(run(kProgram, "$'-\\e[2J'").err.rfind("paxamon: unbekannte Option: -\\x1B[2J\n", 0),
            0u);
#endif
}

// The signs the pages give each instruction are the ones the trace shows,
// and the listing and the trace of summe.pax are the runner's.
TEST_F(ManualPages, SignsListingAndTraceAreTheRunnersOwn) {
  std::map<std::string, std::string> shown;  // mnemonic: sign
  for (const char* cell : {"LDA05", "STA05", "ADD05", "SUB05", "MUL05", "DIV05", "MOD05", "JMP05",
                           "JAN05", "JAZ05", "JXP05", "NUL", "INC", "STX", "LDX", "END"}) {
    write("p.pax", std::string(cell) + "\r\r\r\r\r3");
    shown[std::string(cell, 3)] = fields(lines(shell("paxamon-run --trace p.pax").out).at(0)).at(5);
  }
  // The table of the window's page: "LDAxx<TAB>=<TAB>effect"; the list of the
  // runner's: "=<TAB>LDA, STA, ...".
  static const std::regex kTableRow(R"(([A-Z]{3})(?:xx)?\t([^\t]*)\t.*)");
  static const std::regex kSignList(R"(([^\t\w]?)\t([A-Z]{3}(?:, [A-Z]{3})*)(?: \(.*\))?)");
  const std::string trace =
      shell("paxamon-run --trace " + (fs::path(PAXAMON_SOURCE_DIR) / "examples/summe.pax").string())
          .out;
  const std::string help = shell("paxamon-run --help").out;
  for (const Language& language : kLanguages) {
    for (const Tool& tool : kTools) {
      const Page page = readPage(language, tool.page);
      SCOPED_TRACE(page.name);
      const bool runner = std::string_view(tool.page) == kRunner.page;
      std::map<std::string, std::string> claimed;
      for (const std::string& roff : page.section(runner ? language.output : language.machine)) {
        const std::string line = plain(roff);
        std::smatch m;
        if (!runner && std::regex_match(line, m, kTableRow)) claimed[m[1]] = m[2];
        if (runner && std::regex_match(line, m, kSignList)) {
          const std::string list = m[2];
          for (std::size_t i = 0; i < list.size(); i += 5)
            claimed[list.substr(i, 3)] = m[1];
        }
      }
      EXPECT_EQ(claimed, shown);
      if (!runner) continue;
      // Every line of the listing shown is in the output; the trace lines
      // are its first lines.
      std::vector<std::string> traced;
      for (const std::string& roff : page.section(language.output)) {
        const std::string line = plain(roff);
        // The field names above the trace; the German ones are --help's too.
        if (line.starts_with("PC\t") && language.dir == kLanguages[1].dir) {
          for (const std::string& name : fields(line))
            EXPECT_NE(help.find(name), std::string::npos) << name << " is not in --help";
        }
        if (std::regex_match(line, std::regex(R"(\d+\t\d+\t.*)"))) {
          traced.push_back(line);
        } else if (std::regex_match(line, std::regex(R"((IR|PC|XR|AK)=.*|\d+\t.*)"))) {
          EXPECT_NE(trace.find("\n" + line + "\n"), std::string::npos) << line;
        }
      }
      ASSERT_EQ(traced.size(), 4u);
      for (std::size_t i = 0; i < traced.size(); ++i)
        EXPECT_EQ(traced[i], lines(trace).at(i));
    }
  }
}

}  // namespace
}  // namespace paxamon
