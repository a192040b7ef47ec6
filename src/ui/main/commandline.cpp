#include "ui/main/commandline.h"

#include <string_view>

namespace paxamon {

const char* const kUsage =
    "Aufruf: paxamon [--help] [--version] [DATEI]\n"
    "\n"
    "Startet Paxamon, die Simulation eines Von-Neumann-Rechners. Mit DATEI\n"
    "(einem Programm, .pax) wird dieses Programm beim Start geladen.\n"
    "\n"
    "  --help      diese Hilfe\n"
    "  --version   die Version\n";

const char* const kVersionLine = "Paxamon " PAXAMON_VERSION "\n";

CommandLine parseCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (options && arg == "--") {
      options = false;
    } else if (options && arg == "--help") {
      return {CommandLine::Action::Help, {}, {}};
    } else if (options && arg == "--version") {
      return {CommandLine::Action::Version, {}, {}};
    } else if (options && arg.size() > 1 && arg.front() == '-') {
      return {CommandLine::Action::UsageError, {}, "unbekannte Option: " + std::string(arg)};
    } else if (!line.file.empty() || arg.empty()) {
      return {CommandLine::Action::UsageError,
              {},
              arg.empty() ? "leerer Dateiname" : "nur eine DATEI ist erlaubt"};
    } else {
      line.file = arg;
    }
  }
  return line;
}

}  // namespace paxamon
