// A task file: the cases a teacher checks every pupil's program against.
// Plain UTF-8 text, one statement per line:
//
//   # comment
//   Fall NAME                 starts a case
//   Zelle N = TEXT            cell N (0-31) holds TEXT before the run
//   erwarte Zelle N = TEXT    cell N holds TEXT after the run
//   erwarte AK = TEXT         likewise XR, IR and PC: the register displays
//   erwarte Ende = END        or: nach Zelle 31, normal, FEHLER: ...
//
// Keywords are case-insensitive. A TEXT is taken without the blanks around
// it; written in double quotes it is taken exactly ("" is the empty text).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "machine/state.h"

namespace paxamon {

// How the run has to end.
enum class EndingKind {
  Normal,          // END or past cell 31
  End,             // END executed
  PassedLastCell,  // past cell 31
  Error,           // the run error in `errorText`
};

// What a case looks at after the run: a cell or a register display.
enum class Subject { Cell, IR, PC, XR, AK };

// The keyword of a subject in task files and reports: "Zelle", "IR", "PC", ...
const char* subjectName(Subject subject);

struct Expectation {
  Subject subject = Subject::Cell;
  CellAddress cell = 0;  // for Subject::Cell
  std::string text;      // Windows-1252, as the display shows it
};

struct TaskCase {
  std::string name;  // UTF-8
  int line = 0;
  std::vector<std::pair<CellAddress, CellText>> cells;  // Windows-1252
  EndingKind ending = EndingKind::Normal;
  std::string errorText;                  // Windows-1252, for EndingKind::Error
  std::vector<Expectation> expectations;  // in the order of the file
};

struct Task {
  std::vector<TaskCase> cases;
};

struct TaskParse {
  Task task;
  bool ok = true;
  int line = 0;         // the line of the mistake; 0 for the file as a whole
  std::string message;  // German, UTF-8
};

// The task in a file's content; the first mistake ends the reading.
TaskParse parseTask(std::string_view content);

// The most a task file may hold; far more than any class needs.
inline constexpr std::size_t kMaxTaskFileSize = 1024 * 1024;

// Reads a task file (a pipe too) up to the limit above. Empty on success,
// else the German reason it could not be read.
std::string readTaskFile(const char* path, std::string& content);

}  // namespace paxamon
