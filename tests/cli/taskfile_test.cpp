// Task files: what they hold and how their mistakes are reported.
#include "cli/taskfile.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(c.name, "Beispiel 1");
  EXPECT_EQ(c.line, 3);
  const std::vector<std::pair<CellAddress, CellText>> cells = {
      {10, "17"}, {5, " 4"}, {3, ""}, {31, "B\xE4r \x80 LDA 12 = x"}};
  EXPECT_EQ(c.cells, cells);
  ASSERT_EQ(c.expectations.size(), 4u);
  EXPECT_EQ(c.expectations[0].subject, Subject::Cell);
  EXPECT_EQ(c.expectations[0].cell, 12);
  EXPECT_EQ(c.expectations[1].text, "-7");
  EXPECT_EQ(c.expectations[2].text, "END");  // the IR display is upper-cased
  EXPECT_EQ(c.expectations[3].subject, Subject::XR);
  EXPECT_EQ(c.expectations[3].text, "");
  EXPECT_EQ(c.ending, EndingKind::Error);
  EXPECT_EQ(c.errorText,
            "FEHLER: Division durch 0 (Inhalt der Speicherzelle 5) ist nicht zul\xE4ssig");
  EXPECT_EQ(task.cases[1].ending, EndingKind::PassedLastCell);
  EXPECT_EQ(task.cases[2].ending, EndingKind::End);
}

TEST(TaskFile, MistakesAreReportedWithTheirLine) {
  struct Bad {
    const char* content;
    int line;
    const char* message;
  };
  const Bad bad[] = {
      {"Fall a\nerwarte AK = 1\nZiel 3 = 4\n", 3, "unbekannte Angabe \"Ziel\""},
      {"Fall a\n  Zelle 32 = 1\nerwarte AK = 1\n", 2, "Zelle 32 gibt es nicht"},
      {"Fall a\nerwarte Zelle 100000000000000000000 = 1\n", 2, "gibt es nicht"},
      {"Fall a\nZelle 1 = 2\nerwarte\n", 3, "\"erwarte\" ohne Erwartung"},
      {"Fall a\nerwarte AK\n", 2, "fehlt \"=\""},
      {"Fall a\nerwarte Zelle = 4\n", 2, "fehlt die Nummer"},
      {"Fall a\nerwarte AK = 1\n\nFall a\nerwarte AK = 2\n", 4,
       "Fall \"a\" gibt es schon (Zeile 1)"},
      {"# nur Zellen\nFall a\nZelle 1 = 5\nFall b\nerwarte AK = 1\n", 2, "erwartet nichts"},
      {"Zelle 1 = 5\n", 1, "vor dem ersten \"Fall\""},
      {"Fall a\nZelle 1 = 5\nZelle 01 = 6\n", 3, "schon gesetzt (Zeile 2)"},
      {"Fall a\nerwarte Ende = END\nerwarte ende = normal\n", 3, "schon erwartet (Zeile 2)"},
      {"Fall a\nerwarte AK = +5\n", 2, "AK zeigt eine ganze Zahl"},
      {"Fall a\nerwarte IR = LDA1234\n", 2,
       "IR zeigt h\xC3\xB6"
       "chstens 6 Zeichen"},
      {"Fall a\nerwarte Ende = fertig\n", 2, "\"Ende\" ist END"},
      // The program's own spelling is "Fehlerhalfte"; a typo would fail every pupil.
      {"Fall a\nerwarte Ende = FEHLER: Fehlerhafte Adress-Angabe in Speicherzelle 9\n", 2,
       "kein Laufzeitfehler"},
      {"Fall a\nZelle 1 = \xE2\x86\x92\nerwarte AK = 1\n", 2,
       "\"\xE2\x86\x92\" kann in keiner Zelle"},
      // A file saved as Windows-1252 instead of UTF-8.
      {"Fall a\n# gr\xF6\xDF"
       "er\nerwarte AK = 1\n",
       2, "kein g\xC3\xBCltiges UTF-8"},
      {"Fall a\nerwarte AK = 1\x1B[2J\n", 2, "Steuerzeichen \\x1B"},
      {"# leer\n\n", 0, "enth\xC3\xA4lt keinen Fall"},
  };
  for (const Bad& b : bad) {
    const TaskParse p = parseTask(b.content);
    SCOPED_TRACE(b.content);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.line, b.line);
    EXPECT_NE(p.message.find(b.message), std::string::npos) << p.message;
  }
}

}  // namespace
}  // namespace paxamon
