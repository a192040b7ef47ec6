#include "paxamon_app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace paxamon::e2e {

namespace {

// The design area of the main window and its memory grids.
constexpr int kDesignHeight = 391;
constexpr QPoint kMemoryBox(176, 40);  // GroupBox1
constexpr int kGridTop = 24;           // Mem1, Mem2 in the box
constexpr int kMem1Left = 32, kMem2Left = 144;
constexpr int kGridBorder = 2, kRowPitch = 17, kRowHeight = 16;

}  // namespace

Paxamon::Paxamon(Desktop& desktop, const std::vector<std::string>& args, bool expectActive)
    : desktop_(desktop) {
  if (!desktop.ready()) return;
  static int count = 0;
  folder_ = desktop.folder() + "/work" + std::to_string(++count);
  std::filesystem::create_directories(folder_);
  std::vector<std::string> argv = {PAXAMON_EXECUTABLE};
  argv.insert(argv.end(), args.begin(), args.end());
  process_ = &desktop.start(argv, folder_);
  main_ = desktop.waitForWindow(kMainTitle, 15000ms);
  if (!main_) {
    ADD_FAILURE() << "the main window did not appear";
    return;
  }
  if (expectActive && !waitForMainActive()) {
    ADD_FAILURE() << "the main window did not become active";
  }
}

QPoint Paxamon::at(int x, int y) {
  const QRect client = desktop_.clientRect(main_);
  // The menu bar lies above the design area.
  return {client.x() + x, client.y() + client.height() - kDesignHeight + y};
}

QPoint Paxamon::cell(int address) {
  const int row = address % 16;
  const int left = address < 16 ? kMem1Left : kMem2Left;
  return at(kMemoryBox.x() + left + kGridBorder + 39,
            kMemoryBox.y() + kGridTop + kGridBorder + row * kRowPitch + kRowHeight / 2);
}

QPoint Paxamon::menuTitle(int index) {
  const QRect client = desktop_.clientRect(main_);
  constexpr int kMiddles[] = {25, 75, 124};
  return {client.x() + kMiddles[index], client.y() + 10};
}

WindowId Paxamon::openMenu(int index) {
  desktop_.click(menuTitle(index));
  WindowId menu = 0;
  waitUntil([&] {
    const std::vector<WindowId> popups = desktop_.unmanagedWindows();
    if (!popups.empty()) menu = popups.back();
    return menu != 0;
  });
  return menu;
}

WindowId Paxamon::openWithKey(const std::string& key, const QString& title) {
  WindowId window = 0;
  for (int attempt = 0; attempt < 3 && !window; ++attempt) {
    desktop_.key(key);
    window = desktop_.waitForWindow(title, 2000ms);
  }
  return window && desktop_.waitForActive(window) ? window : 0;
}

void Paxamon::chooseFile(const std::string& path) {
  desktop_.type(path);
  desktop_.key("Return");
}

WindowId Paxamon::waitForActiveWindow(const QString& title) {
  const WindowId window = desktop_.waitForWindow(title);
  return window && desktop_.waitForActive(window) ? window : 0;
}

void Paxamon::confirmSteps(int steps) {
  WindowId dialog = desktop_.waitForWindow(kStepTitle);
  for (int step = 0; step < steps; ++step) {
    ASSERT_NE(dialog, 0u) << "no step dialog at step " << step;
    ASSERT_TRUE(desktop_.waitForActive(dialog));
    desktop_.watchMaps(dialog);
    desktop_.key("Return");
    if (step + 1 < steps) dialog = desktop_.waitForShownAgain(kStepTitle, dialog);
  }
  ASSERT_TRUE(desktop_.waitForNoWindow(kStepTitle));
}

void Paxamon::typeIntoCell(int address, const std::string& text) {
  desktop_.click(cell(address));
  desktop_.type(text);
}

void Paxamon::typeProgram(const std::vector<std::string>& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (!texts[i].empty()) typeIntoCell(static_cast<int>(i), texts[i]);
  }
}

bool Paxamon::saveAs(const std::string& path) {
  if (!openWithKey("ctrl+s", kSaveTitle)) return false;
  chooseFile(path);
  if (!desktop_.waitForNoWindow(kSaveTitle)) return false;
  // The program writes the file once the dialog has closed.
  return waitUntil([&] { return !readFile(path).empty(); });
}

std::vector<std::string> Paxamon::cells() {
  const std::string path = folder_ + "/cells" + std::to_string(++saves_) + ".pax";
  if (!saveAs(path)) {
    desktop_.shot("save-failed");
    ADD_FAILURE() << "saving the program through the dialog failed";
    return {};
  }
  waitForMainActive();
  return cellsOf(readFile(path));
}

std::string Paxamon::readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Paxamon::writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Paxamon::programFile(const std::vector<std::string>& cells) {
  std::string bytes;
  for (std::size_t i = 0; i < 32; ++i)
    bytes += (i < cells.size() ? cells[i] : std::string()) + "\r\n";
  return bytes;
}

std::vector<std::string> Paxamon::cellsOf(const std::string& bytes) {
  std::vector<std::string> texts;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    texts.push_back(bytes.substr(start, end - start));
  return texts;
}

bool Paxamon::waitForMainActive(Duration timeout) {
  if (!desktop_.waitForActive(main_, timeout)) return false;
  // The program takes a moment to follow: keys sent at once may find no
  // active window yet.
  pause(150ms);
  return true;
}

}  // namespace paxamon::e2e
