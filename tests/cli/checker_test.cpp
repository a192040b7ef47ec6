// The checker: verdicts, their agreement with what the window shows, and
// the runner's --check mode end to end.
#include "cli/checker.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "recording_view.h"

namespace paxamon {
namespace {

namespace fs = std::filesystem;

Task parsed(std::string_view content) {
  const TaskParse p = parseTask(content);
  EXPECT_TRUE(p.ok) << p.line << ": " << p.message;
  return p.task;
}

// The task file shown in the README is a real one, and the division example
// passes it, as the README says.
TEST(Checker, TheReadmesTaskFileHoldsForTheDivisionExample) {
  std::ifstream readme(fs::path(PAXAMON_EXAMPLES).parent_path() / "README.md");
  std::string task, line;
  while (std::getline(readme, line) && !line.starts_with("# Aufgabe: Teile")) {
  }
  for (; readme && line != "```"; std::getline(readme, line))
    task += line + "\n";
  const Task parsedTask = parsed(task);
  ASSERT_EQ(parsedTask.cases.size(), 4u);
  const FileReport report =
      checkFile(std::string(PAXAMON_EXAMPLES) + "/division.pax", parsedTask, 1000);
  EXPECT_EQ(report.passed(), 4u);
}

// The first case of a task run on a program.
Verdict verdictOf(CellTexts program, std::string_view task, std::uint64_t maxSteps = 1000) {
  const Task t = parsed(task);
  return judge(t.cases.at(0), runCase(program, t.cases.at(0), maxSteps));
}

TEST(Checker, AFailedCaseNamesItsFirstUnmetExpectation) {
  const CellTexts sum = program({"LDA10", "ADD11", "STA12", "END"});
  const std::string cells = "Fall a\nZelle 10 = 17\nZelle 11 = 25\n";
  EXPECT_TRUE(verdictOf(sum, cells + "erwarte Zelle 12 = 42\nerwarte AK = 42\nerwarte PC = 3\n"
                                     "erwarte IR = END\nerwarte XR =\nerwarte Ende = END\n")
                  .passed);

  Verdict v = verdictOf(sum, cells + "erwarte AK = 42\nerwarte Zelle 12 = 41\nerwarte XR = 1\n");
  EXPECT_FALSE(v.passed);
  EXPECT_EQ(v.expected, "Zelle 12 = \"41\"");
  EXPECT_EQ(v.found, "\"42\"");

  // The ending is judged first, wherever its line stands.
  v = verdictOf(sum, cells + "erwarte Zelle 12 = 41\nerwarte Ende = nach Zelle 31\n");
  EXPECT_EQ(v.expected, "Ende = nach Zelle 31");
  EXPECT_EQ(v.found, "END");
  v = verdictOf(program({"LDA10", "ADD11"}), "Fall a\nerwarte Zelle 12 = 1\n");
  EXPECT_EQ(v.expected, "Ende = normal");
  EXPECT_EQ(v.found, "\"FEHLER: Unbekannter Befehl in Speicherzelle 2\"");
  v = verdictOf(program({"JMP00"}), "Fall a\nerwarte Ende = END\n", 50);
  EXPECT_EQ(v.found, "Schrittgrenze erreicht (50 Schritte)");

  // An expected run error; the displays keep the last completed step.
  EXPECT_TRUE(verdictOf(program({"INC", "DIV05"}),
                        "Fall a\nerwarte Ende = FEHLER: Division durch 0 (Inhalt der "
                        "Speicherzelle 5) ist nicht zul\xC3\xA4ssig\nerwarte AK = 1\n")
                  .passed);
  // Texts from the task are cut to 9 characters at the start of the run;
  // cell texts in verdicts are printed safely.
  v = verdictOf(program({"END"}), "Fall a\nZelle 7 = ABCDEFGHIJK\nerwarte Zelle 7 = ABCDEFGHIJ\n");
  EXPECT_EQ(v.found, "\"ABCDEFGHI\"");
  v = verdictOf(program({"END", "a\tb\x1B\x80"}), "Fall a\nerwarte Zelle 1 = x\n");
  EXPECT_EQ(v.found, "\"a\\tb\\x1B\xE2\x82\xAC\"");
}

// Runs a case through the checker, and as a pupil would run it by hand in
// the window (in single steps or in one pass, a recorder standing in for
// the window); both must end with the same displays. Returns the verdict.
bool expectWindowAgrees(const CellTexts& pupil, const TaskCase& c, bool singleStep) {
  constexpr std::size_t kLimit = 1000;
  const CaseRun checked = runCase(pupil, c, kLimit);
  const bool passed = judge(c, checked).passed;

  CellTexts cells = pupil;
  for (const auto& [cell, text] : c.cells)
    cells[static_cast<std::size_t>(cell)] = text;
  RecordingView window(cells);
  window.limit = kLimit;
  MachineState state;
  state.singleStep = singleStep;
  const RunEnding ending = run(state, window, nullptr);

  // The verdict depends on nothing else, so it is the one the window's
  // displays give.
  EXPECT_EQ(checked.ending, ending);
  EXPECT_EQ(checked.cells, window.cells);
  EXPECT_EQ(checked.ir, window.now.ir);
  EXPECT_EQ(checked.pc, window.now.pc);
  EXPECT_EQ(checked.xr, window.now.xr);
  EXPECT_EQ(checked.ak, window.now.ak);
  EXPECT_EQ(checked.errorText, window.errors.empty() ? "" : window.errors.front());

  return passed;
}

TEST(Checker, VerdictsAgreeWithWhatTheWindowShows) {
  const Task task = parsed(
      "Fall summe\nZelle 10 = 17\nZelle 11 = 25\nerwarte Zelle 12 = 42\nerwarte AK = 42\n"
      "erwarte PC = 3\nerwarte IR = END\nerwarte Ende = END\n"
      "Fall leer\nZelle 11 = \"\"\nerwarte Zelle 12 = 17\nerwarte XR =\n"
      "Fall lang\nZelle 10 = 123456789012\nZelle 11 = \" 1\"\nerwarte Zelle 10 = 123456789\n"
      "erwarte Zelle 12 = 123456790\n"
      "Fall fehler\nZelle 11 = LDA12\nerwarte Ende = FEHLER: Keine Daten in Speicherzelle 11 "
      "gefunden\nerwarte IR = LDA10\nerwarte PC = 0\nerwarte AK = 17\n"
      "Fall schleife\nZelle 3 = JXP00\nZelle 10 = 2\nZelle 11 = 3\nerwarte XR = \n"
      "Fall bis 31\nZelle 3 = JMP31\nZelle 31 = STX\nerwarte Ende = nach Zelle 31\nerwarte XR = "
      "42\n");
  const CellTexts pupils[] = {
      program({"LDA10", "ADD11", "STA12", "END", "", "", "", "", "", "", "17"}),
      program({"LDA10", "ADD11", "STA12"}),
      program({"LDA10", "STX", "ADD11", "STA12", "END"}),
      program({"lda10", "add 11", "STA12XY", "end"}),
  };
  int passed = 0, failed = 0;
  for (const CellTexts& pupil : pupils) {
    for (const TaskCase& c : task.cases) {
      expectWindowAgrees(pupil, c, true);
      ++(expectWindowAgrees(pupil, c, false) ? passed : failed);
    }
  }
  // Both verdicts are put to the test.
  EXPECT_GE(passed, 5);
  EXPECT_GE(failed, 5);
}

// The runner's --check mode, run as a program.
class CheckMode : public testing::Test {
 protected:
  struct Result {
    int status = -1;
    std::string out, err;
  };

  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("paxamon-check-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void write(const std::string& name, const std::string& content) {
    std::ofstream(dir_ / name, std::ios::binary) << content;
  }

  static std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // Runs a bash script in `dir_`, with the runner's folder on the path.
  Result shell(const std::string& script, const fs::path& cwd = {}) {
    const fs::path file = dir_ / "script.sh", out = dir_ / "out", err = dir_ / "err";
    std::ofstream(file) << "cd '" << (cwd.empty() ? dir_ : cwd).string() << "'\nPATH='"
                        << fs::path(PAXAMON_RUNNER).parent_path().string() << "':$PATH\n"
                        << script << "\n";
    const std::string command =
        "bash '" + file.string() + "' >'" + out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
  }

  fs::path dir_;
};

TEST_F(CheckMode, OneLinePerFileAndExitCodes) {
  write("t.txt", "Fall a\nZelle 10 = 2\nerwarte Zelle 12 = 5\nFall b\nerwarte Zelle 12 = 4\n");
  write("ok.pax", "LDA10\r\nADD11\r\nSTA12\r\nEND\r\n\r\n\r\n\r\n\r\n\r\n\r\n1\r\n3\r\n");
  write("wrong.pax", "LDA10\r\nSTA12\r\nEND\r\n");
  Result r = shell("paxamon-run --check t.txt ok.pax");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "ok.pax: bestanden 2 von 2\n");
  EXPECT_EQ(r.err, "");

  // A file that cannot be loaded has its line; the others still run. A
  // FIFO among the files is refused, not waited for.
  ASSERT_EQ(::mkfifo((dir_ / "fifo.pax").c_str(), 0600), 0);
  fs::create_directory(dir_ / "ordner.pax");
  r = shell(
      "paxamon-run --max-steps=100 --check=t.txt fehlt.pax wrong.pax fifo.pax ordner.pax "
      "ok.pax");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "fehlt.pax: nicht ladbar: Datei nicht vorhanden\n"
            "wrong.pax: bestanden 0 von 2; Fall \"a\": erwartet Zelle 12 = \"5\", gefunden \"2\"\n"
            "fifo.pax: nicht ladbar: keine gew\xC3\xB6hnliche Datei (Ger\xC3\xA4t, FIFO oder "
            "Socket)\n"
            "ordner.pax: nicht ladbar: ein Ordner, keine Datei\n"
            "ok.pax: bestanden 2 von 2\n");
  EXPECT_EQ(r.err, "");

  // A bad task file: its line on standard error, nothing run.
  write("bad.txt", "Fall a\nerwarte Zelle 12 = 5\n\nFall a\nerwarte AK = 1\n");
  r = shell("paxamon-run --check bad.txt ok.pax");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "paxamon-run: bad.txt:4: Fall \"a\" gibt es schon (Zeile 1)\n");
  r = shell("paxamon-run --check fehlt.txt ok.pax");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "paxamon-run: fehlt.txt: Datei nicht vorhanden\n");
  r = shell("paxamon-run --check . ok.pax");
  EXPECT_EQ(r.err, "paxamon-run: .: ein Ordner, keine Datei\n");
  r = shell("paxamon-run --check <(printf 'Fall a\\nerwarte AK=\\n') ok.pax");
  EXPECT_EQ(r.status, 1);

  for (const char* usage :
       {"--check t.txt", "--check", "--csv ok.pax", "--check t.txt --trace ok.pax",
        "--check t.txt --check t.txt ok.pax", "ok.pax wrong.pax"}) {
    r = shell(std::string("paxamon-run ") + usage);
    EXPECT_EQ(r.status, 2) << usage;
    EXPECT_EQ(r.out, "") << usage;
  }
  r = shell("paxamon-run --check t.txt ok.pax >/dev/full");
  EXPECT_EQ(r.status, 2);
}

TEST_F(CheckMode, CsvRowsPerFileAndCaseQuotedForSpreadsheets) {
  write("t.txt", "Fall \"x\", y\nerwarte Zelle 1 = 1\nFall b\nerwarte Ende = END\n");
  write("a,b.pax", "END\r\n-5\r\n");
  write("=1+1.pax", "END\r\n=1+1\r\n");
  write("x\x1B[2J.pax", "END\r\n1\r\n");
  const Result r = shell("paxamon-run --csv --check t.txt a,b.pax =1+1.pax $'x\\e[2J.pax' nix.pax");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "Datei,Fall,bestanden,erwartet,gefunden\n"
            "\"a,b.pax\",\"\"\"x\"\", y\",0,\"Zelle 1 = \"\"1\"\"\",\"\"\"-5\"\"\"\n"
            "\"a,b.pax\",b,1,,\n"
            "'=1+1.pax,\"\"\"x\"\", y\",0,\"Zelle 1 = \"\"1\"\"\",\"\"\"=1+1\"\"\"\n"
            "'=1+1.pax,b,1,,\n"
            "x\\x1B[2J.pax,\"\"\"x\"\", y\",1,,\n"
            "x\\x1B[2J.pax,b,1,,\n"
            "nix.pax,\"\"\"x\"\", y\",0,,nicht ladbar: Datei nicht vorhanden\n"
            "nix.pax,b,0,,nicht ladbar: Datei nicht vorhanden\n");
}

// examples/aufgaben/README.md shows sessions ("$ " lines and what they
// print) in ```console blocks; each block must print exactly that.
TEST_F(CheckMode, ExamplesReadmeShowsWhatTheCheckerPrints) {
  const fs::path folder = fs::path(PAXAMON_EXAMPLES) / "aufgaben";
  std::istringstream readme(slurp(folder / "README.md"));
  int blocks = 0;
  bool inBlock = false;
  std::string script, expected;
  for (std::string line; std::getline(readme, line);) {
    if (!inBlock) {
      inBlock = line == "```console";
      script = "exec 2>&1\n";
      expected.clear();
    } else if (line == "```") {
      inBlock = false;
      ++blocks;
      const Result r = shell(script, folder);
      EXPECT_EQ(r.out, expected) << script;
    } else if (line.starts_with("$ ")) {
      script += line.substr(2) + "\n";
    } else {
      expected += line + "\n";
    }
  }
  EXPECT_GE(blocks, 2);
}

}  // namespace
}  // namespace paxamon
