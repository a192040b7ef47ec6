// Task files, the checker's verdicts, and the runner's --check mode end to
// end. (The fuzz checks compare the checker's runs with the window's, the
// docs tests run the sessions of examples/aufgaben/README.md.)
#include "cli/checker.h"

#include <sys/stat.h>

#include <tuple>

#include "shell.h"

namespace paxamon {
namespace {

Task parsed(std::string_view content) {
  const TaskParse p = parseTask(content);
  EXPECT_TRUE(p.ok) << p.line << ": " << p.message;
  return p.task;
}

TEST(TaskFile, ReadsCasesCellsAndExpectations) {
  const Task task = parsed(
      "\xEF\xBB\xBF# Summe\r\n"
      "\r\n"
      "FALL Beispiel 1\r\n"
      "  zelle 10 =  17 \r\n"
      "  Zelle 05 = \" 4\"\r\n"
      "  Zelle 3 = \"\"\r\n"
      "  Zelle 4 = \"a\tb\"\r\n"
      "  Zelle 31 = Bär € LDA 12 = x\r\n"
      "  ERWARTE Zelle 12 = 42\r\n"
      "  erwarte ak=-7\r\n"
      "  erwarte IR = end\r\n"
      "  erwarte XR =\r\n"
      "  erwarte Ende = FEHLER: Division durch 0 (Inhalt der Speicherzelle 5) ist nicht "
      "zulässig\r\n"
      "Fall b\n"
      "erwarte Ende = nach   zelle 31\n"
      "Fall c\n"
      "erwarte Ende = \"END\"");
  ASSERT_EQ(task.cases.size(), 3u);
  const TaskCase& c = task.cases[0];
  EXPECT_EQ(c.name + "@" + std::to_string(c.line), "Beispiel 1@3");
  std::string read;
  for (const auto& [cell, text] : c.cells)
    read += std::to_string(cell) + "=" + text + ";";
  for (const Expectation& e : c.expectations)
    read += std::string(subjectName(e.subject)) + std::to_string(e.cell) + "=" + e.text + ";";
  // Texts in Windows-1252, the IR display upper-cased.
  EXPECT_EQ(read, "10=17;5= 4;3=;4=a\tb;31=B\xE4r \x80 LDA 12 = x;Zelle12=42;AK0=-7;IR0=END;XR0=;");
  EXPECT_EQ(c.ending, EndingKind::Error);
  EXPECT_EQ(c.errorText,
            "FEHLER: Division durch 0 (Inhalt der Speicherzelle 5) ist nicht zul\xE4ssig");
  EXPECT_EQ(task.cases[1].ending, EndingKind::PassedLastCell);
  EXPECT_EQ(task.cases[2].ending, EndingKind::End);
}

TEST(TaskFile, MistakesAreReportedWithTheirLine) {
  const std::tuple<const char*, int, const char*> bad[] = {
      {"Fall a\nerwarte AK = 1\nZiel 3 = 4\n", 3, "unbekannte Angabe \"Ziel\""},
      {"Fall a\n  Zelle 32 = 1\nerwarte AK = 1\n", 2, "Zelle 32 gibt es nicht"},
      {"Fall a\nerwarte Zelle 100000000000000000000 = 1\n", 2, "gibt es nicht"},
      {"Fall a\nZelle 1 = 2\nerwarte\n", 3, "\"erwarte\" ohne Erwartung"},
      {"Fall a\nerwarte AK\n", 2, "fehlt \"=\""},
      {"Fall a\nerwarte Zelle = 4\n", 2, "fehlt die Nummer"},
      {"Fall a\nerwarte AK = 1\n\nFall a\nerwarte AK = 2\n", 4, "\"a\" gibt es schon (Zeile 1)"},
      {"# nur Zellen\nFall a\nZelle 1 = 5\nFall b\nerwarte AK = 1\n", 2, "erwartet nichts"},
      {"Zelle 1 = 5\n", 1, "vor dem ersten \"Fall\""},
      {"Fall a\nZelle 1 = 5\nZelle 01 = 6\n", 3, "schon gesetzt (Zeile 2)"},
      {"Fall a\nerwarte Ende = END\nerwarte ende = normal\n", 3, "schon erwartet (Zeile 2)"},
      {"Fall a\nerwarte AK = +5\n", 2, "AK zeigt eine ganze Zahl"},
      {"Fall a\nerwarte IR = LDA1234\n", 2, "IR zeigt höchstens 6 Zeichen"},
      {"Fall a\nerwarte Ende = fertig\n", 2, "\"Ende\" ist END"},
      // The program's own spelling is "Fehlerhalfte"; the correct German would
      // fail every pupil, so the message names the program's spelling.
      {"Fall a\nerwarte Ende = FEHLER: Fehlerhafte Adress-Angabe in Speicherzelle 9", 2,
       "Paxamon schreibt \"Fehlerhalfte Adress-Angabe\""},
      {"Fall a\nerwarte Ende = FEHLER: Keine Daten in Zelle 9", 2, "kein Laufzeitfehler"},
      {"Fall a\nZelle 1 = →\nerwarte AK = 1\n", 2, "\"→\" kann in keiner Zelle"},
      {"Fall a\n# gro\xDF\nerwarte AK = 1\n", 2, "kein gültiges UTF-8"},  // saved as Windows-1252
      {"Fall a\nerwarte AK = 1\x1B[2J\n", 2, "Steuerzeichen \\x1B"},
      {"# leer\n\n", 0, "enthält keinen Fall"},
  };
  for (const auto& [content, line, message] : bad) {
    const TaskParse p = parseTask(content);
    EXPECT_FALSE(p.ok) << content;
    EXPECT_EQ(p.line, line) << content;
    EXPECT_NE(p.message.find(message), std::string::npos) << p.message;
  }
}

TEST(Checker, AFailedCaseNamesItsFirstUnmetExpectation) {
  const char* const sum = "LDA10\rADD11\rSTA12\rEND";
  const std::string cells = "Fall a\nZelle 10 = 17\nZelle 11 = 25\n";
  const struct {
    const char* program;
    std::string task;
    const char *expected, *found;  // empty for a passed case
  } cases[] = {
      {sum,
       cells + "erwarte Zelle 12 = 42\nerwarte AK = 42\nerwarte PC = 3\nerwarte IR = END\n"
               "erwarte XR =\nerwarte Ende = END\n",
       "", ""},
      {sum, cells + "erwarte AK = 42\nerwarte Zelle 12 = 41\nerwarte XR = 1\n", "Zelle 12 = \"41\"",
       "\"42\""},
      // The ending is judged first, wherever its line stands.
      {sum, cells + "erwarte Zelle 12 = 41\nerwarte Ende = nach Zelle 31\n", "Ende = nach Zelle 31",
       "END"},
      {"LDA10\rADD11", "Fall a\nerwarte Zelle 12 = 1\n", "Ende = normal",
       "\"FEHLER: Unbekannter Befehl in Speicherzelle 2\""},
      // An expected run error; the displays keep the last completed step.
      {"INC\rDIV05",
       "Fall a\nerwarte Ende = FEHLER: Division durch 0 (Inhalt der Speicherzelle 5) ist nicht "
       "zulässig\nerwarte AK = 1\n",
       "", ""},
      // Texts from the task are cut to 9 characters at the start of the run;
      // cell texts in verdicts are printed safely.
      {"END", "Fall a\nZelle 7 = ABCDEFGHIJK\nerwarte Zelle 7 = ABCDEFGHIJ\n",
       "Zelle 7 = \"ABCDEFGHIJ\"", "\"ABCDEFGHI\""},
      {"END\ra\tb\x1B\x80", "Fall a\nerwarte Zelle 1 = x\n", "Zelle 1 = \"x\"", "\"a\\tb\\x1B€\""},
  };
  for (const auto& c : cases) {
    const TaskCase first = parsed(c.task).cases.at(0);
    const Verdict v = judge(first, runCase(parseProgram(c.program), first, 1000));
    EXPECT_EQ(v.passed, *c.expected == '\0') << c.task;
    EXPECT_EQ(v.expected, c.expected) << c.task;
    EXPECT_EQ(v.found, c.found) << c.task;
  }
}

using CheckMode = ShellTest;

TEST_F(CheckMode, PupilsFilesMustBeRegularFilesAndTheTaskFileReadable) {
  write("t.txt", "Fall a\nerwarte Ende = END\n");
  write("ok.pax", "END");
  // A FIFO among the files is refused, not waited for; the others still run.
  ASSERT_EQ(::mkfifo((dir_ / "fifo.pax").c_str(), 0600), 0);
  fs::create_directory(dir_ / "ordner.pax");
  Result r = shell("timeout 10 paxamon-run --check=t.txt fifo.pax ordner.pax ok.pax");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "fifo.pax: nicht ladbar: keine gew\xC3\xB6hnliche Datei (Ger\xC3\xA4t, FIFO oder "
            "Socket)\n"
            "ordner.pax: nicht ladbar: ein Ordner, keine Datei\n"
            "ok.pax: bestanden 1 von 1\n");
  // A task file that cannot be read stops everything.
  r = shell("paxamon-run --check fehlt.txt ok.pax; echo $?; paxamon-run --check . ok.pax; echo $?");
  EXPECT_EQ(r.out, "2\n2\n");
  EXPECT_EQ(r.err,
            "paxamon-run: fehlt.txt: Datei nicht vorhanden\n"
            "paxamon-run: .: ein Ordner, keine Datei\n");
}

TEST_F(CheckMode, CsvIsQuotedAndGuardedForSpreadsheets) {
  // A separator and quotes in names, a file name a spreadsheet would take
  // for a formula; a case named as a plain number stays one.
  write("t.txt", "Fall \"x\", y\nerwarte Zelle 1 = 1\nFall -5\nerwarte Ende = END\n");
  write("a,b.pax", "END\r-5");
  write("=1+1.pax", "END\r1");
  const Result r = shell("paxamon-run --csv --check t.txt a,b.pax =1+1.pax nix.pax");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "Datei,Fall,bestanden,erwartet,gefunden\n"
            "\"a,b.pax\",\"\"\"x\"\", y\",0,\"Zelle 1 = \"\"1\"\"\",\"\"\"-5\"\"\"\n"
            "\"a,b.pax\",-5,1,,\n"
            "'=1+1.pax,\"\"\"x\"\", y\",1,,\n"
            "'=1+1.pax,-5,1,,\n"
            "nix.pax,\"\"\"x\"\", y\",0,,nicht ladbar: Datei nicht vorhanden\n"
            "nix.pax,-5,0,,nicht ladbar: Datei nicht vorhanden\n");
}

}  // namespace
}  // namespace paxamon
