// The runner end to end, the real program on real files, and how it prints
// texts. (The docs tests check its trace and listing on every example of
// the help.)
#include <algorithm>

#include "cli/printable.h"
#include "shell.h"

namespace paxamon {
namespace {

using namespace std::literals;

TEST(Printable, NothingPrintedCanBreakALineOrSteerTheTerminal) {
  // Cell texts: Windows-1252 as UTF-8, control bytes escaped, and the
  // undefined bytes too, which would print as C1 controls (0x9D starts an
  // operating system command).
  EXPECT_EQ(printableCp1252("LDA12 \xE4\xDF\x80\x9F\xA0\xFF"), "LDA12 äß€Ÿ\u00A0ÿ");
  EXPECT_EQ(printableCp1252("\r\x7F\0"sv), "\\r\\x7F\\x00");
  EXPECT_EQ(printableCp1252("\x81\x8D\x8F\x90\x9D"), "\\x81\\x8D\\x8F\\x90\\x9D");
  // File names: well-formed UTF-8 kept; C1 controls, malformed and overlong
  // sequences, surrogates and a cut-off sequence escaped byte by byte.
  EXPECT_EQ(printableUtf8("Prüfung € 😀\n\\"), "Prüfung € 😀\\n\\\\");
  EXPECT_EQ(printableUtf8("\xC2\x9B"
                          "2J \xFC\xC0\xAF \xED\xA0\x80 x\xE2\x82"),
            "\\xC2\\x9B2J \\xFC\\xC0\\xAF \\xED\\xA0\\x80 x\\xE2\\x82");
}

using Runner = ShellTest;

const std::string kMissing = "FEHLER: Die Datei ist nicht vorhanden oder läßt sich nicht öffnen\n";
const std::string kNotLoaded = "Fehler beim Laden der angegebenen Datei!\n";

TEST_F(Runner, TextsArePrintedSafelyAsTheGridShowsThem) {
  // Until a step writes the memory back the cells are listed as loaded, not
  // cut to 9.
  write("a.pax", "\xE4nd\r\rABCDEFGHIJKL");
  Result r = shell("paxamon-run a.pax");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "FEHLER: Unbekannter Befehl in Speicherzelle 0\n");
  EXPECT_EQ(r.out.substr(0, r.out.find("\n3\t")),
            "IR=\nPC=\nXR=\nAK=\n0\tänd\n1\t\n2\tABCDEFGHIJKL");

  // Every trace line keeps its 8 fields, the listing its 32 lines.
  write("ctl.pax", "END\x1B]0;x\x07\ra\tb\nc\\d\r\x81\x80\rABCDEFGHIJKL");
  r = shell("paxamon-run --trace ctl.pax");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1 + 4 + 32);
  EXPECT_EQ(r.out.substr(0, r.out.find("\n4\t")),
            "0\t0\tEND\\x1B]0\t\t\t\tEND\\x1B]0\t\nIR=END\\x1B]0\nPC=0\nXR=\nAK=\n"
            "0\tEND\\x1B]0;x\\x07\n1\ta\\tb\\nc\\\\d\n2\t\\x81€\n3\tABCDEFGHI");
}

TEST_F(Runner, ExitCodesAndMessages) {
  write("div.pax", "INC\rDIV05");
  write("last.pax", "JMP31" + std::string(31, '\r') + "INC");
  write("loop.pax", "JMP00");
  write("end.pax", "END");
  const struct {
    const char* args;
    int status;
    const char* err;
  } runs[] = {
      {"div.pax", 1, "FEHLER: Division durch 0 (Inhalt der Speicherzelle 5) ist nicht zulässig\n"},
      {"last.pax", 0, ""},  // past cell 31
      {"--max-steps 7 loop.pax", 3, "paxamon-run: nach 7 Schritten angehalten (--max-steps)\n"},
      {"--max-steps=1 loop.pax", 3, "paxamon-run: nach 1 Schritten angehalten (--max-steps)\n"},
      {"--max-steps 1 end.pax", 0, ""},  // ending by itself at the limit is no stop
      {"--help", 0, ""},
      {"--version", 0, ""},
      // A usage error: one line and where to read more, as Debian's tools do.
      {"-h end.pax", 2,
       "paxamon-run: unbekannte Option: -h\n"
       "\u201Epaxamon-run --help\u201C liefert weitere Informationen.\n"},
  };
  for (const auto& run : runs) {
    const Result r = shell("paxamon-run "s + run.args);
    EXPECT_EQ(r.status, run.status) << run.args;
    EXPECT_EQ(r.err, run.err) << run.args;
  }
  // A file that cannot be read: two lines on standard error, the name
  // escaped.
  Result r = shell("paxamon-run fehlt.pax; paxamon-run .; paxamon-run $'x\\e[2J.pax'");
  EXPECT_EQ(r.err, kMissing + "paxamon-run: fehlt.pax: Datei nicht vorhanden\n" + kNotLoaded +
                       "paxamon-run: .: ein Ordner, keine Datei\n" + kMissing +
                       "paxamon-run: x\\x1B[2J.pax: Datei nicht vorhanden\n");
  // Usage errors, and files that cannot be read, print nothing on standard
  // output.
  for (const char* bad :
       {"", "--max-steps 0 end.pax", "--max-steps end.pax", "--max-steps -3 end.pax",
        "--frobnicate end.pax", "end.pax end.pax", "--csv end.pax", "--check t.txt", "--check",
        "--check t.txt --trace end.pax", "--check t.txt --check t.txt end.pax", "fehlt.pax"}) {
    r = shell("paxamon-run "s + bad);
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_EQ(r.out, "") << bad;
  }
}

TEST_F(Runner, ReadsPipesAndStandardInput) {
  for (const char* script :
       {"printf 'LDA02\\rEND\\r7' | paxamon-run -", "paxamon-run <(printf 'LDA02\\rEND\\r7')",
        "printf 'LDA02\\rEND\\r7' | paxamon-run /dev/stdin"}) {
    const Result r = shell(script);
    EXPECT_EQ(r.status, 0) << script;
    EXPECT_NE(r.out.find("\nAK=7\n"), std::string::npos) << script;
  }
  // After "--", "-" is a file of that name.
  write("-", "LDA02\rEND\r9");
  Result r = shell("printf 'END' | paxamon-run -- -");
  EXPECT_NE(r.out.find("\nAK=9\n"), std::string::npos) << r.out;
  r = shell("head -c 2000000 /dev/zero | paxamon-run -");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, kNotLoaded +
                       "paxamon-run: Standardeingabe: zu groß (höchstens 1 MiB Text in den 32 "
                       "Zellen)\n");
}

// The runner reads devices and FIFOs as every tool does; only what cannot
// be opened for reading, a socket, is refused. The checker refuses all of
// them, so that no pupil's file holds up the class.
TEST_F(Runner, ASocketIsRefusedWithItsOwnReason) {
  ASSERT_TRUE(makeSocket("s.pax"));
  write("t.txt", "Fall a\nerwarte Ende = END\n");
  const Result r = shell(
      "paxamon-run s.pax; paxamon-run --check t.txt s.pax /dev/null; "
      "paxamon-run /dev/null >/dev/null");
  EXPECT_EQ(r.out,
            "s.pax: nicht ladbar: keine gew\u00F6hnliche Datei (Ger\u00E4t, FIFO oder Socket)\n"
            "/dev/null: nicht ladbar: keine gew\u00F6hnliche Datei (Ger\u00E4t, FIFO oder "
            "Socket)\n");
  // /dev/null is an empty program, whose cell 0 holds no instruction.
  EXPECT_EQ(r.err, kNotLoaded +
                       "paxamon-run: s.pax: ein Socket oder ein Ger\u00E4t, das sich nicht "
                       "\u00F6ffnen l\u00E4sst\n"
                       "FEHLER: Unbekannter Befehl in Speicherzelle 0\n");
}

TEST_F(Runner, OutputThatCannotBeWrittenIsAnError) {
  write("end.pax", "END");
  write("loop.pax", "JMP00");
  write("div.pax", "INC\rDIV05");
  write("t.txt", "Fall a\nerwarte Ende = END\n");
  for (const std::string script :
       {"paxamon-run end.pax >/dev/full", "paxamon-run end.pax >&-",
        "paxamon-run --help >/dev/full", "paxamon-run --check t.txt end.pax >/dev/full",
        // An endless trace into a full disk stops when the output is lost.
        "paxamon-run --trace --max-steps 100000000 loop.pax >/dev/full",
        // A run error that cannot be reported.
        "paxamon-run div.pax 2>/dev/full"}) {
    const Result r = shell(script);
    EXPECT_EQ(r.status, 2) << script;
    EXPECT_EQ(r.err, script.ends_with("2>/dev/full")
                         ? ""
                         : "paxamon-run: Die Ausgabe ließ sich nicht vollständig schreiben\n")
        << script;
  }
}

}  // namespace
}  // namespace paxamon
