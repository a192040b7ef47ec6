// The runner end to end: the real binary on real files.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "files/programfile.h"

namespace paxamon {
namespace {

namespace fs = std::filesystem;

struct Result {
  int status = -1;
  std::string out, err;
  std::vector<std::string> outLines() const {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
      lines.push_back(line);
    return lines;
  }
  // The text of a cell in the final listing.
  std::string cell(int address) const {
    const std::string prefix = std::to_string(address) + "\t";
    const auto lines = outLines();
    for (std::size_t i = lines.size() - 32; i < lines.size(); ++i) {
      if (lines[i].rfind(prefix, 0) == 0) return lines[i].substr(prefix.size());
    }
    return "<missing>";
  }
};

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class Runner : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("paxamon-runner-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path program(std::initializer_list<const char*> texts) {
    CellTexts cells;
    std::size_t i = 0;
    for (const char* t : texts)
      cells[i++] = t;
    const fs::path p = dir_ / ("p" + std::to_string(++count_) + ".pax");
    EXPECT_TRUE(saveProgramFile(p, cells));
    return p;
  }

  // Runs a bash script in which $RUNNER names the runner.
  Result shell(const std::string& script) {
    const fs::path file = dir_ / "script.sh", out = dir_ / "out", err = dir_ / "err";
    std::ofstream(file) << "RUNNER='" << PAXAMON_RUNNER << "'\n" << script << "\n";
    const std::string command =
        "bash '" + file.string() + "' >'" + out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    Result r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = slurp(out);
    r.err = slurp(err);
    return r;
  }
  Result run(const std::string& args) { return shell("\"$RUNNER\" " + args); }

  fs::path dir_;
  int count_ = 0;
};

TEST_F(Runner, TracesEveryStepAndListsTheFinalState) {
  const Result r =
      run("--trace " + program({"LDA05", "ADD06", "STA07", "END", "", "3", "4"}).string());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const auto lines = r.outLines();
  ASSERT_EQ(lines.size(), 4u + 4u + 32u);
  EXPECT_EQ(lines[0], "0\t0\tLDA05\t\t3\t=\tLDA05\t3");
  EXPECT_EQ(lines[2], "2\t2\tSTA07\t\t7\t=\tSTA07\t7");
  EXPECT_EQ(lines[3], "3\t3\tEND\t\t7\t\tEND\t");
  EXPECT_EQ(lines[4], "IR=END");
  EXPECT_EQ(lines[5], "PC=3");
  EXPECT_EQ(lines[6], "XR=");
  EXPECT_EQ(lines[7], "AK=7");
  EXPECT_EQ(lines[8], "0\tLDA05");
  EXPECT_EQ(r.cell(7), "7");
  EXPECT_EQ(lines.back(), "31\t");

  // Without --trace only the final state is printed.
  EXPECT_EQ(
      run(program({"LDA05", "ADD06", "STA07", "END", "", "3", "4"}).string()).outLines().size(),
      36u);
}

TEST_F(Runner, TextsAreShownAsTheGridsWouldShowThem) {
  // Texts are listed as loaded until the first step writes the memory back
  // (cut to 9); Windows-1252 bytes come out as UTF-8.
  Result r = run(program({"\xE4nd", "", "ABCDEFGHIJKL"}).string());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.cell(0), "\xC3\xA4nd");
  EXPECT_EQ(r.cell(2), "ABCDEFGHIJKL");
  EXPECT_EQ(r.err, "FEHLER: Unbekannter Befehl in Speicherzelle 0\n");
  EXPECT_EQ(r.outLines()[0], "IR=");

  r = run("--trace " + program({"end \xFC", "", "ABCDEFGHIJKL"}).string());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.outLines()[0], "0\t0\tEND \xC3\xBC\t\t\t\tEND \xC3\xBC\t");
  EXPECT_EQ(r.cell(2), "ABCDEFGHI");
}

TEST_F(Runner, ExitCodesAndMessages) {
  Result r = run(program({"INC", "DIV05"}).string());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "FEHLER: Division durch 0 (Inhalt der Speicherzelle 5) ist nicht zul\xC3\xA4ssig\n");
  EXPECT_EQ(r.outLines()[3], "AK=1");

  // Passing cell 31 is a normal end.
  const fs::path last = dir_ / "last.pax";
  std::ofstream(last, std::ios::binary) << "JMP31" << std::string(31, '\r') << "INC";
  r = run(last.string());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.outLines()[3], "AK=1");

  // An endless loop is stopped by the step limit.
  r = run("--max-steps 7 --trace " + program({"JMP00"}).string());
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.outLines().size(), 7u + 4u + 32u);
  EXPECT_NE(r.err.find("7"), std::string::npos);
  r = run("--max-steps=1 " + program({"JMP00"}).string());
  EXPECT_EQ(r.status, 3);
  // A program ending by itself at the limit is no stop.
  r = run("--max-steps 1 " + program({"END"}).string());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");

  for (const char* bad : {"", "--max-steps 0 x.pax", "--max-steps x.pax", "--frobnicate x.pax",
                          "a.pax b.pax", "--max-steps -3 x.pax"}) {
    r = run(bad);
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_EQ(r.out, "") << bad;
  }
  r = run("--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("paxamon-run [--trace] [--max-steps N] DATEI"), std::string::npos);
}

TEST_F(Runner, BadFilesNameTheFileAndTheReason) {
  const std::string missing =
      "FEHLER: Die Datei ist nicht vorhanden oder l\xC3\xA4\xC3\x9Ft sich nicht \xC3\xB6"
      "ffnen\n";
  const std::string failed = "Fehler beim Laden der angegebenen Datei!\n";
  auto expectRefused = [this](const fs::path& file, const std::string& message) {
    const Result r = run("'" + file.string() + "'");
    EXPECT_EQ(r.status, 2) << file;
    EXPECT_EQ(r.out, "") << file;
    EXPECT_EQ(r.err, message) << file;
  };
  expectRefused(dir_ / "missing.pax", missing + "paxamon-run: " + (dir_ / "missing.pax").string() +
                                          ": Datei nicht vorhanden\n");
  expectRefused(dir_, failed + "paxamon-run: " + dir_.string() + ": ein Ordner, keine Datei\n");
  fs::create_symlink("loop2.pax", dir_ / "loop1.pax");
  fs::create_symlink("loop1.pax", dir_ / "loop2.pax");
  expectRefused(dir_ / "loop1.pax", missing + "paxamon-run: " + (dir_ / "loop1.pax").string() +
                                        ": symbolische Links im Kreis\n");
  std::ofstream(dir_ / "big.pax", std::ios::binary) << std::string(kMaxProgramFileSize + 1, 'x');
  expectRefused(dir_ / "big.pax", failed + "paxamon-run: " + (dir_ / "big.pax").string() +
                                      ": zu gro\xC3\x9F (h\xC3\xB6"
                                      "chstens 1 MiB Text in den 32 Zellen)\n");
  const int unix = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", (dir_ / "s.pax").c_str());
  ASSERT_EQ(::bind(unix, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  expectRefused(dir_ / "s.pax", failed + "paxamon-run: " + (dir_ / "s.pax").string() +
                                    ": keine gew\xC3\xB6hnliche Datei (Ger\xC3\xA4t, FIFO oder "
                                    "Socket)\n");
  ::close(unix);
  // The name itself cannot steer the terminal.
  expectRefused(dir_ / "x\x1B[2J.pax", missing + "paxamon-run: " + dir_.string() +
                                           "/x\\x1B[2J.pax: Datei nicht vorhanden\n");

  // A file the user may not read, as the user nobody.
  if (::geteuid() != 0 || ::access("/usr/sbin/runuser", X_OK) != 0) {
    GTEST_SKIP() << "needs root and runuser to act as the user nobody";
  }
  const fs::path secret = program({"END"});
  ::chmod(secret.c_str(), 0600);
  fs::copy_file(PAXAMON_RUNNER, dir_ / "paxamon-run");
  const Result r = shell("/usr/sbin/runuser -u nobody -- '" + (dir_ / "paxamon-run").string() +
                         "' " + secret.string());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, failed + "paxamon-run: " + secret.string() +
                       ": nicht lesbar (keine Leseberechtigung oder Lesefehler)\n");
}

TEST_F(Runner, ControlCharactersCannotBreakLinesOrFields) {
  // A line feed, a tab, a backslash, a terminal's title sequence, an
  // undefined Windows-1252 byte beside the euro sign.
  const fs::path p = dir_ / "ctl.pax";
  std::ofstream(p, std::ios::binary) << "END\x1B]0;x\x07\r\na\tb\nc\\d\r\n\x81\x80\r\n";
  const Result r = run("--trace " + p.string());
  EXPECT_EQ(r.status, 0);
  const auto lines = r.outLines();
  ASSERT_EQ(lines.size(), 1u + 4u + 32u);
  EXPECT_EQ(lines[0], "0\t0\tEND\\x1B]0\t\t\t\tEND\\x1B]0\t");
  EXPECT_EQ(lines[1], "IR=END\\x1B]0");
  EXPECT_EQ(r.cell(0), "END\\x1B]0;x\\x07");
  EXPECT_EQ(r.cell(1), "a\\tb\\nc\\\\d");
  EXPECT_EQ(r.cell(2), "\\x81\xE2\x82\xAC");
  for (char c : r.out) {
    const auto b = static_cast<unsigned char>(c);
    EXPECT_TRUE(b >= 0x20 || c == '\t' || c == '\n') << int(b);
  }
}

TEST_F(Runner, OutputThatCannotBeWrittenIsAnError) {
  const std::string message =
      "paxamon-run: Die Ausgabe lie\xC3\x9F sich nicht vollst\xC3\xA4ndig schreiben\n";
  const std::string summe = std::string(PAXAMON_EXAMPLES) + "/summe.pax";
  Result r = run(summe + " >/dev/full");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, message);
  r = run(summe + " >&-");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, message);
  r = run("--help >/dev/full");
  EXPECT_EQ(r.status, 2);
  // An endless trace into a full disk stops when the output is lost.
  r = run("--trace --max-steps 100000000 " + program({"JMP00"}).string() + " >/dev/full");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, message);
  // A run error that cannot be reported.
  r = run(program({"INC", "DIV05"}).string() + " 2>/dev/full");
  EXPECT_EQ(r.status, 2);
}

TEST_F(Runner, ReadsPipesAndStandardInput) {
  Result r = shell("printf 'LDA02\\r\\nEND\\r\\n7' | \"$RUNNER\" -");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.outLines()[3], "AK=7");
  r = shell("\"$RUNNER\" <(printf 'INC\\r\\nEND')");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.outLines()[3], "AK=1");
  r = shell("printf 'END' | \"$RUNNER\" /dev/stdin");
  EXPECT_EQ(r.status, 0);
  r = shell("head -c 2000000 /dev/zero | \"$RUNNER\" -");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("paxamon-run: Standardeingabe: zu gro"), std::string::npos);
}

}  // namespace
}  // namespace paxamon
