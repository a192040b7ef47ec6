#include "ui/main/commandline.h"

#include <string_view>

#include "cli/printable.h"

namespace paxamon {

const char* const kUsage =
    "Aufruf: paxamon [--help] [--version] [--] [DATEI]\n"
    "\n"
    "Startet Paxamon, die Simulation eines Von-Neumann-Rechners. Mit DATEI\n"
    "(einem Programm, .pax) wird dieses Programm beim Start geladen.\n"
    "\n"
    "  --help      diese Hilfe\n"
    "  --version   die Version\n"
    "  --          Ende der Optionen: das nächste Argument ist die DATEI,\n"
    "              auch wenn es mit \"-\" beginnt\n"
    "\n"
    "Exit-Status: 0 wenn das Fenster geschlossen wurde oder nach --help und\n"
    "--version, 2 bei falschem Aufruf.\n";

const char* const kUsageHint = "\u201Epaxamon --help\u201C liefert weitere Informationen.\n";

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
      return {CommandLine::Action::UsageError, {}, "unbekannte Option: " + printableUtf8(arg)};
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
