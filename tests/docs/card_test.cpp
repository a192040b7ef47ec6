// The reference card tells the truth: read back from the built PDF, its
// instructions take an operand and show the sign the runner reports, its
// run errors are the ones the program shows, its keys are the main window's
// shortcuts and the keys the window handles itself; it is one A4 page with
// room to print, and the same source makes the same bytes.
#include <QAction>
#include <QKeySequence>
#include <QRegularExpression>
#include <QString>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "shell.h"
#include "ui/main/TForm1.h"

namespace paxamon {
namespace {

const fs::path kCard = PAXAMON_CARD_PDF;

class Card : public ShellTest {
 protected:
  // The card's text with its layout kept, one printed line per line.
  std::string text() const {
    const Result r = shell("pdftotext -layout -enc UTF-8 '" + kCard.string() + "' -");
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }

  // A run of cells 0, 1, ... (and cell 10 = 6, cell 11 = 2) by the runner.
  Result run(const std::vector<std::string>& cells) const {
    std::string file;
    for (std::size_t i = 0; i < 32; ++i)
      file += (i < cells.size() ? cells[i] : i == 10 ? "6" : i == 11 ? "2" : "") + "\r\n";
    write("p.pax", file);
    return shell("paxamon-run --trace p.pax");
  }
};

TEST_F(Card, IsOneA4PageWithRoomToPrintAround) {
  const Result info = shell("pdfinfo '" + kCard.string() + "'");
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("\nPages:           1\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("(A4)"), std::string::npos) << info.out;
  // Every word at least 1 cm (28.35 points) inside the page's edges.
  const Result boxes = shell("pdftotext -bbox '" + kCard.string() + "' -");
  static const std::regex kWord(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
  int words = 0;
  for (std::sregex_iterator m(boxes.out.begin(), boxes.out.end(), kWord), end; m != end; ++m) {
    ++words;
    const double left = std::stod((*m)[1]), top = std::stod((*m)[2]);
    const double right = std::stod((*m)[3]), bottom = std::stod((*m)[4]);
    EXPECT_TRUE(left >= 28.35 && top >= 28.35 && right <= 595.28 - 28.35 &&
                bottom <= 841.89 - 28.35)
        << (*m)[5] << " at " << left << "," << top << " - " << right << "," << bottom;
  }
  EXPECT_GT(words, 300);
}

TEST_F(Card, TheSameSourceMakesTheSameBytesWithoutBuildPaths) {
  // The build's command, making the card at output.
  const auto make = [](const std::string& output) {
    return std::string("'") + PAXAMON_CMAKE + "' -DGROFF='" + PAXAMON_GROFF + "' -DSOURCE='" +
           PAXAMON_CARD_SOURCE + "' -DVERSION=" + PAXAMON_VERSION + " -DOUTPUT=" + output +
           " -P '" + PAXAMON_CARD_SCRIPT + "'";
  };
  // Made again with the built card's own date, in two other folders, and
  // with a date of its own.
  const std::string card = "'" + kCard.string() + "'";
  const Result r = shell(
      "set -e\nmkdir one two\n"
      "epoch=$(date -d \"$(pdfinfo -isodates " +
      card +
      " | sed -n 's/^CreationDate: *//p')\" +%s)\n"
      "(cd one && SOURCE_DATE_EPOCH=$epoch " +
      make("$PWD/card.pdf") + ")\n" + "(cd two && SOURCE_DATE_EPOCH=$epoch " +
      make("$PWD/card.pdf") + ")\n" + "cmp one/card.pdf two/card.pdf\ncmp one/card.pdf " + card +
      "\n" + "SOURCE_DATE_EPOCH=1700000000 " + make("$PWD/dated.pdf") + "\n" +
      "pdfinfo -isodates dated.pdf | grep -E '^(Creation|Mod)Date:'\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "CreationDate:    2023-11-14T22:13:20Z\nModDate:         2023-11-14T22:13:20Z\n");
  const std::string bytes = slurp(kCard);
  for (const std::string& folder :
       {std::string(PAXAMON_SOURCE_DIR), std::string(PAXAMON_BUILD_DIR), dir_.string()})
    EXPECT_EQ(bytes.find(folder), std::string::npos) << folder;
}

// Each row "MNEMONIC [xx]  SIGN  EFFECT": the instruction takes an operand
// where the row shows "xx", and the runner reports that sign for it ("keins"
// for none). The "FEHLER:" lines are the four run errors, "n" for the cell.
TEST_F(Card, InstructionsSignsAndRunErrorsAreThePrograms) {
  static const std::regex kRow(R"(\s*([A-Z]{3})( xx)?\s+(\S+)\s{2,}\S.*)");
  std::map<std::string, std::pair<bool, std::string>> rows;
  std::set<std::string> errors;
  for (const std::string& line : lines(text())) {
    std::smatch m;
    if (std::regex_match(line, m, kRow)) {
      EXPECT_TRUE(rows.emplace(m[1], std::pair(m[2].matched, m[3].str())).second) << line;
    }
    const auto start = line.find_first_not_of(' ');
    if (start != std::string::npos && line.compare(start, 7, "FEHLER:") == 0)
      errors.insert(line.substr(start, line.find_last_not_of(' ') + 1 - start));
  }
  std::set<std::string> listed;
  for (const auto& [mnemonic, row] : rows)
    listed.insert(mnemonic);
  EXPECT_EQ(listed,
            (std::set<std::string>{"LDA", "STA", "ADD", "SUB", "MUL", "DIV", "MOD", "JMP", "JAN",
                                   "JAZ", "JXP", "NUL", "INC", "LDX", "STX", "END"}));

  for (const auto& [mnemonic, row] : rows) {
    SCOPED_TRACE(mnemonic);
    const auto [operand, sign] = row;
    const Result bad = run({mnemonic + "40"});
    EXPECT_EQ(bad.err.starts_with("FEHLER: Fehlerhalfte Adress-Angabe in Speicherzelle 0\n"),
              operand)
        << bad.err;
    // The trace line of the step in cell 1, after AK has been loaded.
    const Result r = run({"LDA10", mnemonic + (operand ? "11" : ""), "END"});
    std::string shown = "(no step in cell 1)";
    for (const std::string& line : lines(r.out)) {
      std::vector<std::string> fields;
      std::istringstream in(line + "\t");
      for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
      if (fields.size() == 8 && fields[1] == "1") shown = fields[5].empty() ? "keins" : fields[5];
    }
    EXPECT_EQ(sign, shown);
  }

  std::set<std::string> shown;
  for (const std::vector<std::string>& program : std::vector<std::vector<std::string>>{
           {"JMP40"}, {"LDA5", "END", "", "", "", "x"}, {"DIV5", "END"}, {}}) {
    const std::string err = run(program).err;
    shown.insert(std::regex_replace(err.substr(0, err.find('\n')), std::regex("Speicherzelle \\d+"),
                                    "Speicherzelle n"));
  }
  EXPECT_EQ(errors, shown);
}

// The key table's rows "KEY  EFFECT": a shortcut of a menu item is on the
// card with the item's name in its effect; the other keys are those the
// window handles itself, and each of them is on the card.
TEST_F(Card, KeysAreTheMainWindowsShortcutsAndItsOwnKeys) {
  std::map<QString, QString> keys;
  bool inKeys = false;
  qsizetype effectColumn = -1;
  for (const std::string& line : lines(text())) {
    const QString row = QString::fromStdString(line);
    if (row.trimmed() == QStringLiteral("Tasten")) {
      inKeys = true;
      continue;
    }
    if (!inKeys) continue;
    static const QRegularExpression kKeyRow(QStringLiteral("^(\\S+) +(\\S.*)$"));
    const QRegularExpressionMatch m = kKeyRow.match(row);
    if (!m.hasMatch() || (effectColumn >= 0 && m.capturedStart(2) != effectColumn)) break;
    effectColumn = m.capturedStart(2);
    keys[m.captured(1)] = m.captured(2);
  }

  TForm1 form;
  std::set<QString> shortcuts;
  for (const QAction* action : form.findChildren<QAction*>()) {
    if (action->shortcut().isEmpty()) continue;
    const QString key =
        action->shortcut().toString().replace(QStringLiteral("Ctrl+"), QStringLiteral("Strg+"));
    const QString name = action->text().remove(u'&');
    shortcuts.insert(key);
    ASSERT_TRUE(keys.count(key)) << key.toStdString() << " (" << name.toStdString() << ")";
    EXPECT_TRUE(keys[key].contains(name, Qt::CaseInsensitive))
        << key.toStdString() << ": " << keys[key].toStdString() << " lacks " << name.toStdString();
  }
  const std::set<QString> own = {"Esc",          "F1",        "Umschalt+F1",
                                 "Eingabetaste", "Rücktaste", "Pfeiltasten"};
  for (const auto& [key, effect] : keys)
    EXPECT_TRUE(shortcuts.count(key) || own.count(key)) << key.toStdString();
  EXPECT_EQ(keys.size(), shortcuts.size() + own.size());
}

}  // namespace
}  // namespace paxamon
