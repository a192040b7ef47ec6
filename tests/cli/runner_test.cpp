// The runner end to end: the real binary on real files.
#include <gtest/gtest.h>
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

  Result run(const std::string& args) {
    const fs::path out = dir_ / "out", err = dir_ / "err";
    const std::string command = std::string("'") + PAXAMON_RUNNER + "' " + args + " >'" +
                                out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    Result r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = slurp(out);
    r.err = slurp(err);
    return r;
  }

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

  r = run((dir_ / "missing.pax").string());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "FEHLER: Die Datei ist nicht vorhanden oder l\xC3\xA4\xC3\x9Ft sich nicht "
            "\xC3\xB6"
            "ffnen\n");
  r = run(dir_.string());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Fehler beim Laden der angegebenen Datei!\n");

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

TEST_F(Runner, ExamplesComputeWhatTheySay) {
  struct Example {
    const char* file;
    std::vector<std::pair<int, const char*>> cells;
  };
  const Example examples[] = {
      {"summe.pax", {{12, "42"}}},        {"multiplikation.pax", {{22, "42"}}},
      {"fakultaet.pax", {{21, "120"}}},   {"countdown.pax", {{20, "0"}}},
      {"betrag.pax", {{21, "17"}}},       {"division.pax", {{22, "9"}, {23, "2"}}},
      {"ggt.pax", {{22, "12"}}},          {"maximum.pax", {{22, "23"}}},
      {"dreieckszahl.pax", {{21, "55"}}}, {"zaehlen.pax", {{21, "7"}}},
  };
  for (const Example& e : examples) {
    const Result r = run(std::string("'") + PAXAMON_EXAMPLES + "/" + e.file + "'");
    EXPECT_EQ(r.status, 0) << e.file;
    EXPECT_EQ(r.err, "") << e.file;
    for (const auto& [address, text] : e.cells)
      EXPECT_EQ(r.cell(address), text) << e.file;
  }
}

}  // namespace
}  // namespace paxamon
