// The help's link to the reference card: a click on it in the contents
// opens the card with the desktop's viewer for PDF files (here a recording
// script, made the viewer by the user's mimeapps.list, which the real
// xdg-open consults); where there is no card, the help says so.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <sstream>

#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

namespace fs = std::filesystem;

// The middle of the first word in area that OCR reads as containing word
// (case ignored), or a null point.
QPoint findWord(Desktop& desktop, const QRect& area, const QString& word) {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("words.png"));
  constexpr int kScale = 3;
  QImage grey = desktop.grab(area).convertToFormat(QImage::Format_Grayscale8);
  grey.scaled(grey.size() * kScale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(file);
  const std::string command =
      "tesseract '" + file.toStdString() + "' stdout -l deu --psm 6 tsv 2>/dev/null";
  std::string out;
  if (std::FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      out.append(buffer, n);
    pclose(pipe);
  }
  // level page block paragraph line word left top width height confidence text
  std::istringstream rows(out);
  for (std::string row; std::getline(rows, row);) {
    const QStringList fields = QString::fromStdString(row).split(u'\t');
    if (fields.size() < 12 || !fields[11].contains(word, Qt::CaseInsensitive)) continue;
    const int x = fields[6].toInt() + fields[8].toInt() / 2;
    const int y = fields[7].toInt() + fields[9].toInt() / 2;
    return area.topLeft() + QPoint(x / kScale, y / kScale);
  }
  return {};
}

class CardLink : public ::testing::Test {
 protected:
  // A user whose viewer for PDF files writes what it was asked to open
  // into opened.txt.
  void SetUp() override {
    ASSERT_TRUE(desktop.ready());
    const fs::path viewer = folder_ / "viewer.sh";
    write(viewer, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + opened_.string() + "'\n");
    fs::permissions(viewer, fs::perms::owner_all);
    write(home_ / ".local/share/applications/kartenleser.desktop",
          "[Desktop Entry]\nType=Application\nName=Kartenleser\nExec=" + viewer.string() +
              " %f\nMimeType=application/pdf;\n");
    write(home_ / ".config/mimeapps.list",
          "[Default Applications]\napplication/pdf=kartenleser.desktop\n");
  }

  static void write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    Paxamon::writeFile(path.string(), text);
  }

  // Starts the program as that user and opens the help's contents from
  // the menu; the help window, or 0.
  WindowId startAndOpenHelp(const std::string& program, const std::string& path = "/usr/bin:/bin") {
    const fs::path work = folder_ / "work";
    fs::create_directories(work);
    desktop.start({program}, work.string(), {"HOME=" + home_.string(), "PATH=" + path});
    const WindowId main = desktop.waitForWindow(kMainTitle, 15000ms);
    if (!main || !desktop.waitForActive(main)) return 0;
    desktop.key("alt+h");
    desktop.key("h");  // "&Hilfe zu Paxamon"
    const WindowId help = desktop.waitForWindow(kHelpTitle);
    return help && desktop.waitForActive(help) ? help : 0;
  }

  // Clicks the word "Kurzreferenz" in the help window.
  void clickCardLink(WindowId help) {
    QPoint link;
    ASSERT_TRUE(waitUntil([&] {
      link = findWord(desktop, desktop.clientRect(help), QStringLiteral("Kurzreferenz"));
      return !link.isNull();
    })) << "no link to the card in the contents";
    desktop.click(link);
  }

  // The viewer's box, which has the help's caption, or 0.
  WindowId waitForBox(WindowId help) {
    WindowId box = 0;
    waitUntil([&] {
      for (WindowId w : desktop.clientWindows()) {
        if (w != help && desktop.title(w) == kHelpTitle) box = w;
      }
      return box != 0;
    });
    return box;
  }

  Desktop desktop;
  const fs::path folder_ = desktop.folder();
  const fs::path home_ = folder_ / "lehrerin";
  const fs::path opened_ = folder_ / "opened.txt";
};

TEST_F(CardLink, AClickOpensTheCardWithTheDesktopsViewer) {
  const WindowId help = startAndOpenHelp(PAXAMON_EXECUTABLE);
  ASSERT_NE(help, 0u) << "no help window";
  clickCardLink(help);
  // Beside the program, where the build puts a copy of the card.
  const fs::path card = fs::path(PAXAMON_EXECUTABLE).parent_path() / "Kurzreferenz.pdf";
  ASSERT_TRUE(waitUntil([&] { return fs::exists(opened_); }, 10000ms)) << "no viewer started";
  std::string path = Paxamon::readFile(opened_.string());
  while (path.ends_with('\n'))
    path.pop_back();
  EXPECT_TRUE(fs::equivalent(path, card)) << path;
  EXPECT_NE(desktop.findWindow(kHelpTitle), 0u) << "the help closed";
}

TEST_F(CardLink, WithoutTheCardTheHelpSaysSoAndOpensNothing) {
  // The program and its help file alone in a folder of their own.
  const fs::path bin = folder_ / "bin";
  fs::create_directories(bin);
  const fs::path program = bin / "paxamon";
  fs::copy_file(PAXAMON_EXECUTABLE, program);
  fs::copy_file(fs::path(PAXAMON_SOURCE_DIR) / "help/Paxamon.hlp", bin / "Paxamon.hlp");
  const WindowId help = startAndOpenHelp(program.string());
  ASSERT_NE(help, 0u) << "no help window";
  clickCardLink(help);
  const WindowId box = waitForBox(help);
  ASSERT_NE(box, 0u) << "no box";
  EXPECT_TRUE(
      desktop.showsText(box, "Das Dokument Kurzreferenz.pdf wurde nicht gefunden, weder in"));
  pause(500ms);
  EXPECT_FALSE(fs::exists(opened_)) << "a viewer was started";
}

// xdg-open ends with status 3 when nothing on the machine can show the
// file; the user learns that instead of seeing nothing happen.
TEST_F(CardLink, WithNothingToShowItTheHelpSaysSo) {
  const fs::path bin = folder_ / "bin";
  write(bin / "xdg-open", "#!/bin/sh\necho \"$@\" > '" + opened_.string() + "'\nexit 3\n");
  fs::permissions(bin / "xdg-open", fs::perms::owner_all);
  const WindowId help = startAndOpenHelp(PAXAMON_EXECUTABLE, bin.string() + ":/usr/bin:/bin");
  ASSERT_NE(help, 0u) << "no help window";
  clickCardLink(help);
  const WindowId box = waitForBox(help);
  ASSERT_NE(box, 0u) << "no box";
  EXPECT_TRUE(desktop.showsText(box,
                                "lässt sich nicht anzeigen: Auf diesem Rechner fehlt ein "
                                "Programm, das PDF-Dateien zeigt"));
  EXPECT_TRUE(fs::exists(opened_)) << "xdg-open was not asked";
}

}  // namespace
}  // namespace paxamon::e2e
