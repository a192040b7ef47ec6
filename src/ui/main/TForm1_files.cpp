// The program-file commands of the main window: load and save.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/programfile.h"
#include "ui/main/TForm1.h"
#include "ui/platform/messagebox.h"

namespace paxamon {

namespace {

std::filesystem::path pathOf(const QString& name) {
  return std::filesystem::path(QFile::encodeName(name).toStdString());
}

}  // namespace

void TForm1::Programmladen1Click() {
  if (FOpen.Execute()) LoadProgram(FOpen.FileName);
}

void TForm1::OpenProgram(const QString& fileName) {
  if (running_) return;
  // The load dialog proposes this file next time.
  FOpen.FileName = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
  LoadProgram(fileName);
}

void TForm1::LoadProgram(const QString& fileName) {
  const std::filesystem::path path = pathOf(fileName);
  if (!programFileExists(path)) {
    showMessage(
        QStringLiteral("FEHLER: Die Datei ist nicht vorhanden oder läßt sich nicht öffnen"));
    return;
  }
  // The file is read whole before anything changes, so a file that cannot
  // be read (or is no regular file) leaves the program in the grids as it was.
  const LoadResult loaded = loadProgramFile(path);
  if (!loaded) {
    showError(QStringLiteral("\rFehler beim Laden der angegebenen Datei!"));
    return;
  }
  BCleanClick();
  setGridTexts(loaded.texts);
}

void TForm1::Programmspeichern1Click() {
  if (!FSave.Execute()) return;
  const std::filesystem::path path = pathOf(FSave.FileName);
  if (programFileExists(path)) {
    // Only "Ja" overwrites; closing the question keeps the file too.
    const MessageBoxResult answer = askQuestion(QStringLiteral(
        "Eine Datei mit diesem Name existiert schon.\rSoll sie überschrieben werden?"));
    if (answer != MessageBoxResult::Yes) return;
  }
  // The grid texts are saved whole, not cut to the cell capacity.
  if (!saveProgramFile(path, readCells())) showError(QStringLiteral("\rFehler beim Speichern!"));
}

}  // namespace paxamon
