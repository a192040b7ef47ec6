// The program's command line: paxamon [--help] [--version] [FILE]. It is
// read before any window exists, so that --help, --version and a mistake
// are answered on a terminal without a display.
#pragma once

#include <string>

namespace paxamon {

struct CommandLine {
  enum class Action { Start, Help, Version, UsageError };
  Action action = Action::Start;
  std::string file;   // to load at start, as given (bytes of the file name)
  std::string error;  // what is wrong, for UsageError; safe to print
};

CommandLine parseCommandLine(int argc, const char* const* argv);

// The German usage text (ends with a line break), the line after a usage
// error that points to it, and the version line.
extern const char* const kUsage;
extern const char* const kUsageHint;
extern const char* const kVersionLine;

}  // namespace paxamon
