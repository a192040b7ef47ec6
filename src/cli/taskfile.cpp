#include "cli/taskfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>

#include "cli/printable.h"
#include "machine/codec.h"
#include "machine/notation.h"

namespace paxamon {

namespace {

std::string_view trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The keyword at the start of a text (its ASCII letters; without any, the
// text up to a blank or "=") and the rest after it.
std::pair<std::string_view, std::string_view> splitWord(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() && isLetter(s[n]))
    ++n;
  if (n == 0) n = std::min(s.find_first_of(" \t="), s.size());
  return {s.substr(0, n), trim(s.substr(n))};
}

// A value: without the blanks around it; inside double quotes exactly.
std::string_view valueOf(std::string_view raw) {
  raw = trim(raw);
  if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
    return raw.substr(1, raw.size() - 2);
  }
  return raw;
}

std::string quotedUtf8(std::string_view utf8) {
  return "\"" + printableUtf8(utf8) + "\"";
}

// What is wrong with a line's characters, or nothing. The file must be
// UTF-8 (decoding and encoding again gives the same bytes) without control
// characters other than the tab.
std::string characterMistake(std::string_view line) {
  const std::u32string points = decodeUtf8(line);
  std::string again;
  for (const char32_t cp : points)
    appendUtf8(again, cp);
  if (again != line) return "kein gültiges UTF-8 (die Aufgabendatei als UTF-8 speichern)";
  for (const char32_t cp : points) {
    if ((cp < 0x20 && cp != '\t') || (cp >= 0x7F && cp <= 0x9F)) {
      std::string ch;
      appendUtf8(ch, cp);
      return "Steuerzeichen " + printableUtf8(ch) + " in der Zeile";
    }
  }
  return {};
}

// The Windows-1252 text of a value, or nothing when a character cannot
// stand in a cell. A tab can: a loaded file may hold one, and the runner
// prints it as \t. The other control characters never reach here.
std::optional<std::string> toCellBytes(std::string_view utf8, std::string& mistake) {
  std::string bytes;
  for (const char32_t cp : decodeUtf8(utf8)) {
    const std::optional<unsigned char> byte = codePointToCp1252(cp);
    if (!byte) {
      std::string ch;
      appendUtf8(ch, cp);
      mistake = quotedUtf8(ch) + " kann in keiner Zelle stehen (nur Zeichen aus Windows-1252)";
      return std::nullopt;
    }
    bytes += static_cast<char>(*byte);
  }
  return bytes;
}

// A number as the AK, XR or PC display writes it: decimal, "-" only for
// negatives, no "+" and no leading zeros, within 32 bits.
bool isDisplayedNumber(std::string_view text, bool negativeAllowed) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative && !negativeAllowed) return false;
  const std::string_view digits = negative ? text.substr(1) : text;
  if (!isDigits(digits) || digits.size() > 10) return false;
  if (digits.front() == '0' && (digits.size() > 1 || negative)) return false;
  std::int64_t value = 0;
  for (char c : digits)
    value = value * 10 + (c - '0');
  return value <= (negative ? 2147483648LL : 2147483647LL);
}

// Whether a text is one of the executor's run errors, as its box shows it
// (the cell number 0 to 31 without leading zeros).
bool isRunErrorText(std::string_view text) {
  static constexpr std::pair<std::string_view, std::string_view> kForms[] = {
      {"FEHLER: Fehlerhalfte Adress-Angabe in Speicherzelle ", ""},
      {"FEHLER: Keine Daten in Speicherzelle ", " gefunden"},
      {"FEHLER: Division durch 0 (Inhalt der Speicherzelle ", ") ist nicht zul\xE4ssig"},
      {"FEHLER: Unbekannter Befehl in Speicherzelle ", ""},
  };
  for (const auto& [before, after] : kForms) {
    if (text.size() < before.size() + after.size() || !text.starts_with(before) ||
        !text.ends_with(after)) {
      continue;
    }
    const std::string_view number =
        text.substr(before.size(), text.size() - before.size() - after.size());
    if (isDisplayedNumber(number, false) && number.size() <= 2 &&
        std::stoi(std::string(number)) <= 31) {
      return true;
    }
  }
  return false;
}

class Parser {
 public:
  TaskParse parse(std::string_view content) {
    if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);  // a byte-order mark
    while (result_.ok && !content.empty()) {
      ++line_;
      const std::size_t end = content.find('\n');
      std::string_view text = content.substr(0, end);
      content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
      if (text.ends_with('\r')) text.remove_suffix(1);
      statement(text);
    }
    if (!result_.ok) return std::move(result_);
    if (!finishCase()) return std::move(result_);
    if (result_.task.cases.empty()) {
      line_ = 0;
      fail("enthält keinen Fall");
    }
    return std::move(result_);
  }

 private:
  bool statement(std::string_view text) {
    const std::string mistake = characterMistake(text);
    if (!mistake.empty()) return fail(mistake);
    text = trim(text);
    if (text.empty() || text.front() == '#') return true;
    const auto [word, rest] = splitWord(text);
    if (sameWord(word, "Fall")) return caseLine(rest);
    if (sameWord(word, "Zelle")) return cellLine(rest);
    if (sameWord(word, "erwarte")) return expectLine(rest);
    return fail("unbekannte Angabe " + quotedUtf8(word) +
                " (bekannt sind Fall, Zelle und erwarte)");
  }

  bool caseLine(std::string_view name) {
    if (!finishCase()) return false;
    if (name.empty()) return fail("\"Fall\" braucht einen Namen");
    const auto [known, inserted] = caseLines_.emplace(std::string(name), line_);
    if (!inserted) {
      return fail("Fall " + quotedUtf8(name) + " gibt es schon (Zeile " +
                  std::to_string(known->second) + ")");
    }
    TaskCase c;
    c.name = name;
    c.line = line_;
    result_.task.cases.push_back(std::move(c));
    setAt_.fill(0);
    expectedAt_.fill(0);
    registerAt_.fill(0);
    endingAt_ = 0;
    return true;
  }

  bool cellLine(std::string_view rest) {
    if (result_.task.cases.empty()) return fail("\"Zelle\" steht vor dem ersten \"Fall\"");
    const std::size_t equals = rest.find('=');
    if (equals == std::string_view::npos) return fail("es fehlt \"=\" (Zelle N = TEXT)");
    const std::optional<CellAddress> cell = cellNumber(trim(rest.substr(0, equals)));
    if (!cell) return false;
    std::string mistake;
    std::optional<std::string> text = toCellBytes(valueOf(rest.substr(equals + 1)), mistake);
    if (!text) return fail(mistake);
    int& at = setAt_[static_cast<std::size_t>(*cell)];
    if (at != 0) {
      return fail("Zelle " + std::to_string(*cell) + " ist in diesem Fall schon gesetzt (Zeile " +
                  std::to_string(at) + ")");
    }
    at = line_;
    current().cells.emplace_back(*cell, std::move(*text));
    return true;
  }

  bool expectLine(std::string_view rest) {
    if (result_.task.cases.empty()) return fail("\"erwarte\" steht vor dem ersten \"Fall\"");
    if (rest.empty()) return fail("\"erwarte\" ohne Erwartung (etwa: erwarte Zelle 12 = 42)");
    const std::size_t equals = rest.find('=');
    if (equals == std::string_view::npos) {
      return fail("der Erwartung fehlt \"=\" und der Wert (etwa: erwarte AK = 42)");
    }
    const auto [word, number] = splitWord(trim(rest.substr(0, equals)));
    const std::string_view value = valueOf(rest.substr(equals + 1));
    if (sameWord(word, "Zelle")) return expectCell(cellNumber(number), value);
    if (!number.empty()) return unknownSubject(trim(rest.substr(0, equals)));
    if (sameWord(word, "Ende")) return expectEnding(value);
    for (const Subject s : {Subject::AK, Subject::XR, Subject::IR, Subject::PC}) {
      if (sameWord(word, subjectName(s))) return expectRegister(s, value);
    }
    return unknownSubject(word);
  }

  bool unknownSubject(std::string_view what) {
    return fail("unbekannte Erwartung " + quotedUtf8(what) +
                " (bekannt sind Zelle N, AK, XR, IR, PC und Ende)");
  }

  bool expectCell(std::optional<CellAddress> cell, std::string_view value) {
    if (!cell) return false;
    std::string mistake;
    std::optional<std::string> text = toCellBytes(value, mistake);
    if (!text) return fail(mistake);
    int& at = expectedAt_[static_cast<std::size_t>(*cell)];
    if (at != 0) return expectedTwice("Zelle " + std::to_string(*cell), at);
    at = line_;
    current().expectations.push_back({Subject::Cell, *cell, std::move(*text)});
    return true;
  }

  bool expectRegister(Subject subject, std::string_view value) {
    int& at = registerAt_[static_cast<std::size_t>(subject) - 1];
    if (at != 0) return expectedTwice(subjectName(subject), at);
    std::string mistake;
    std::optional<std::string> text = toCellBytes(value, mistake);
    if (!text) return fail(mistake);
    switch (subject) {
      case Subject::AK:
      case Subject::XR:
        if (!text->empty() && !isDisplayedNumber(*text, true)) {
          return fail(std::string(subjectName(subject)) +
                      " zeigt eine ganze Zahl wie \"42\" oder \"-7\" (ohne \"+\" und führende "
                      "Nullen) oder nichts (\"\")");
        }
        break;
      case Subject::PC:
        if (!text->empty() && !isDisplayedNumber(*text, false)) {
          return fail(
              "PC zeigt die Zahl der Schritte vor dem letzten, etwa \"3\", oder nichts (\"\")");
        }
        break;
      default:
        // The IR display is upper-cased and keeps 6 characters.
        *text = upperCell(*text);
        if (text->size() > kIrCapacity) return fail("IR zeigt höchstens 6 Zeichen");
        break;
    }
    at = line_;
    current().expectations.push_back({subject, 0, std::move(*text)});
    return true;
  }

  bool expectEnding(std::string_view value) {
    if (endingAt_ != 0) return expectedTwice("Ende", endingAt_);
    TaskCase& c = current();
    if (sameWord(value, "END")) {
      c.ending = EndingKind::End;
    } else if (sameWord(value, "normal")) {
      c.ending = EndingKind::Normal;
    } else if (isPastLastCell(value)) {
      c.ending = EndingKind::PassedLastCell;
    } else if (value.starts_with("FEHLER:")) {
      std::string mistake;
      std::optional<std::string> text = toCellBytes(value, mistake);
      if (!text || !isRunErrorText(*text)) {
        // The program's spelling, not the correct German one.
        const std::size_t typo = value.find("Fehlerhafte Adress-Angabe");
        if (typo != std::string_view::npos) {
          std::string asShown(value);
          asShown.replace(typo, std::strlen("Fehlerhafte"), "Fehlerhalfte");
          if (isRunErrorText(asShown)) {
            return fail(quotedUtf8(value) +
                        " ist kein Laufzeitfehler, den Paxamon meldet: Paxamon schreibt "
                        "\"Fehlerhalfte Adress-Angabe\" (mit l)");
          }
        }
        return fail(quotedUtf8(value) +
                    " ist kein Laufzeitfehler, den Paxamon meldet (etwa \"FEHLER: Keine Daten in "
                    "Speicherzelle 20 gefunden\")");
      }
      c.ending = EndingKind::Error;
      c.errorText = std::move(*text);
    } else {
      return fail(
          "\"Ende\" ist END, nach Zelle 31, normal oder ein Fehlertext wie \"FEHLER: Unbekannter "
          "Befehl in Speicherzelle 5\"");
    }
    endingAt_ = line_;
    return true;
  }

  // "nach Zelle 31", blanks between the words as they come.
  static bool isPastLastCell(std::string_view value) {
    for (const std::string_view word : {"nach", "Zelle", "31"}) {
      const auto [first, rest] = splitWord(value);
      if (!sameWord(first, word)) return false;
      value = rest;
    }
    return value.empty();
  }

  bool expectedTwice(const std::string& what, int at) {
    return fail(what + " wird in diesem Fall schon erwartet (Zeile " + std::to_string(at) + ")");
  }

  std::optional<CellAddress> cellNumber(std::string_view text) {
    if (!isDigits(text)) {
      fail("nach \"Zelle\" fehlt die Nummer der Zelle (0 bis 31)");
      return std::nullopt;
    }
    const std::size_t first = std::min(text.find_first_not_of('0'), text.size() - 1);
    if (text.size() - first > 2 || std::stoi(std::string(text.substr(first))) > 31) {
      fail("Zelle " + std::string(text) + " gibt es nicht (die Zellen sind 0 bis 31)");
      return std::nullopt;
    }
    return std::stoi(std::string(text.substr(first)));
  }

  // A case has to expect something; its mistake is reported at its line.
  bool finishCase() {
    if (result_.task.cases.empty()) return true;
    const TaskCase& c = current();
    if (!c.expectations.empty() || endingAt_ != 0) return true;
    line_ = c.line;
    return fail("Fall " + quotedUtf8(c.name) +
                " erwartet nichts (es fehlt eine Zeile \"erwarte ...\")");
  }

  TaskCase& current() { return result_.task.cases.back(); }

  bool fail(std::string message) {
    result_.ok = false;
    result_.line = line_;
    result_.message = std::move(message);
    return false;
  }

  TaskParse result_;
  int line_ = 0;
  std::map<std::string, int, std::less<>> caseLines_;  // case names and their lines
  // The lines of the current case that set or expect a cell or a register.
  std::array<int, kCellCount> setAt_{};
  std::array<int, kCellCount> expectedAt_{};
  std::array<int, 4> registerAt_{};
  int endingAt_ = 0;
};

}  // namespace

TaskParse parseTask(std::string_view content) {
  return Parser().parse(content);
}

std::string readTaskFile(const char* path, std::string& content) {
  const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return "Datei nicht vorhanden";
    if (errno == ELOOP) return "symbolische Links im Kreis";
    return "nicht lesbar (keine Leseberechtigung oder Lesefehler)";
  }
  std::string reason;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    reason = "nicht lesbar (keine Leseberechtigung oder Lesefehler)";
  } else if (S_ISDIR(info.st_mode)) {
    reason = "ein Ordner, keine Datei";
  }
  char chunk[65536];
  while (reason.empty() && content.size() <= kMaxTaskFileSize) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) reason = "nicht lesbar (keine Leseberechtigung oder Lesefehler)";
    if (n <= 0) break;
    content.append(chunk, static_cast<std::size_t>(n));
  }
  if (::close(fd) != 0 && reason.empty()) {
    reason = "nicht lesbar (keine Leseberechtigung oder Lesefehler)";
  }
  if (reason.empty() && content.size() > kMaxTaskFileSize) reason = "zu groß (höchstens 1 MiB)";
  if (!reason.empty()) content.clear();
  return reason;
}

const char* subjectName(Subject subject) {
  switch (subject) {
    case Subject::IR:
      return "IR";
    case Subject::PC:
      return "PC";
    case Subject::XR:
      return "XR";
    case Subject::AK:
      return "AK";
    case Subject::Cell:
      break;
  }
  return "Zelle";
}

}  // namespace paxamon
