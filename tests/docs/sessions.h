// Sessions a Markdown file shows: ```console blocks of "$ " lines and what
// they print (standard error included), each block run as one script in a
// folder and compared with what it printed. A fenced block right after a
// line "<!-- Datei: NAME -->" is the file NAME, written into that folder
// where it stands, so that the sessions below it find it.
#pragma once

#include <sstream>

#include "shell.h"

namespace paxamon {

class SessionTest : public ShellTest {
 protected:
  // Runs the sessions of markdown in folder, each after the script lines
  // prelude; returns how many ran.
  int expectSessions(const fs::path& markdown, const fs::path& folder,
                     const std::string& prelude = {}) const {
    int sessions = 0;
    int number = 0;
    std::string script, expected, file, content;
    bool inFile = false;
    std::istringstream text(slurp(markdown));
    for (std::string line; std::getline(text, line);) {
      ++number;
      const std::string where = markdown.filename().string() + ":" + std::to_string(number);
      if (inFile && line == "```") {
        std::ofstream(folder / file, std::ios::binary) << content;
        inFile = false;
        file.clear();
      } else if (inFile) {
        content += line + "\n";
      } else if (!file.empty()) {
        EXPECT_EQ(line, "```") << where << ": a file without its block";
        inFile = line == "```";
        content.clear();
      } else if (line.starts_with("<!-- Datei: ") && line.ends_with(" -->")) {
        file = line.substr(12, line.size() - 16);
      } else if (line == "```console") {
        script = prelude + "\nexec 2>&1\n";
        expected.clear();
      } else if (line == "```" && !script.empty()) {
        EXPECT_EQ(shell(script, folder).out, expected) << where << ":\n" << script;
        script.clear();
        ++sessions;
      } else if (!script.empty() && line.starts_with("$ ")) {
        script += line.substr(2) + "\n";
      } else if (!script.empty()) {
        expected += line + "\n";
      }
    }
    return sessions;
  }
};

}  // namespace paxamon
