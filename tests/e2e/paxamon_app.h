// Paxamon on a test desktop: the real program started as a user starts it,
// and what a user does with its main window, in screen coordinates worked
// out from the window's design-time layout.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "desktop.h"

namespace paxamon::e2e {

inline const QString kMainTitle = QStringLiteral("Paxamon - Simulation eines Von-Neumann-Rechners");
inline const QString kStepTitle = QStringLiteral("Einzelschritte");
inline const QString kOverviewTitle = QStringLiteral("Befehlsübersicht");
inline const QString kSaveTitle = QStringLiteral("Speichern");
inline const QString kLoadTitle = QStringLiteral("Laden");
inline const QString kQuestionTitle = QStringLiteral("Bestätigen");
inline const QString kErrorTitle = QStringLiteral("Fehler");
inline const QString kPlainTitle = QStringLiteral("Paxamon");  // plain message box
inline const QString kAboutTitle = QStringLiteral("About");
inline const QString kCreditsTitle = QStringLiteral("Paxamon - Credits");
inline const QString kHelpTitle = QStringLiteral("Paxamon-Hilfe");

class Paxamon {
 public:
  // Starts the program in a fresh working folder and waits for its main
  // window to be shown and, unless a box is expected over it at once,
  // active. args: command-line arguments.
  explicit Paxamon(Desktop& desktop, const std::vector<std::string>& args = {},
                   bool expectActive = true);

  bool started() const { return main_ != 0; }
  Process& process() { return *process_; }
  WindowId main() const { return main_; }
  // The working folder the program was started in.
  const std::string& folder() const { return folder_; }

  // A point of the main window's design area (the client area below the
  // menu bar, 419 x 391) on the screen.
  QPoint at(int x, int y);
  // The middle of memory cell 0..31.
  QPoint cell(int address);
  // The middle of a menu title of the menu bar ("Datei", "Ablauf", "Hilfe").
  QPoint menuTitle(int index);
  // The tool button "Befehlsübersicht" and the version line.
  QPoint overviewButton() { return at(132, 12); }
  QPoint versionLine() { return at(395, 17); }

  // Opens a menu of the menu bar by a click; its window, or 0.
  WindowId openMenu(int index);
  // Presses key (a key combination) until a window titled title is shown
  // and active; a full run that is just ending drops the key, so it is
  // pressed again. The window, or 0.
  WindowId openWithKey(const std::string& key, const QString& title);
  // In an open file dialog: types the path and presses Enter.
  void chooseFile(const std::string& path);
  // Waits for a window titled title to be shown and active; 0 else.
  WindowId waitForActiveWindow(const QString& title);

  // Clicks a cell and types text into it (appended to what it holds).
  void typeIntoCell(int address, const std::string& text);
  // Types texts into cells 0, 1, ... .
  void typeProgram(const std::vector<std::string>& texts);

  // Saves with Ctrl+S through the real save dialog to path (a new file).
  // Returns whether the file has been written.
  bool saveAs(const std::string& path);
  // The 32 cells as the program saves them: saved to a new file in the
  // working folder and read back.
  std::vector<std::string> cells();

  // Reads a file whole; empty when it cannot be read.
  static std::string readFile(const std::string& path);
  static void writeFile(const std::string& path, const std::string& bytes);
  // Splits a program file into its 32 cell texts (CR LF line ends), and
  // makes one of the given first cells.
  static std::vector<std::string> cellsOf(const std::string& bytes);
  static std::string programFile(const std::vector<std::string>& cells);

  // Waits until the main window is active again and takes typing.
  bool waitForMainActive(Duration timeout = 5000ms);

  // Answers the step dialog steps times with Enter, each time once it is
  // shown again; the last answer leaves it closed. Fails the test else.
  void confirmSteps(int steps);

 private:
  Desktop& desktop_;
  Process* process_ = nullptr;
  WindowId main_ = 0;
  std::string folder_;
  int saves_ = 0;
};

// A test case with its own desktop and Paxamon started on it.
class PaxamonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(desktop.ready());
    ASSERT_TRUE(app.started());
  }

  Desktop desktop;
  Paxamon app{desktop};
};

}  // namespace paxamon::e2e
