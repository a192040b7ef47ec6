#include "ui/platform/filedialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "ui/platform/messagebox.h"

namespace paxamon {

namespace {

// Qt's file dialog with the checks the original dialogs made on a name
// before they accepted it.
class CommonFileDialog : public QFileDialog {
 public:
  CommonFileDialog(FileDialogKind kind, QWidget* owner) : QFileDialog(owner), kind_(kind) {}

  void accept() override {
    const QStringList files = selectedFiles();
    if (!files.isEmpty()) {
      const QFileInfo info(files.first());
      if (!info.isDir()) {
        if (!info.absoluteDir().exists()) {
          return refuse(QStringLiteral("%1\nDer Pfad existiert nicht.\n"
                                       "Überprüfen Sie die Pfadangabe.")
                            .arg(info.fileName()));
        }
        if (kind_ == FileDialogKind::Open && !info.exists()) {
          return refuse(QStringLiteral("%1\nDatei nicht gefunden.\n"
                                       "Überprüfen Sie, ob der richtige Dateiname angegeben "
                                       "wurde.")
                            .arg(info.fileName()));
        }
        if (kind_ == FileDialogKind::Save && info.exists() && !info.isWritable()) {
          return refuse(QStringLiteral("%1\nDiese Datei ist schreibgeschützt.\n"
                                       "Verwenden Sie einen anderen Dateinamen.")
                            .arg(info.fileName()));
        }
      }
    }
    QFileDialog::accept();
  }

 private:
  void refuse(const QString& text) { showWarning(windowTitle(), text); }

  FileDialogKind kind_;
};

}  // namespace

TestHook<std::optional<QString>(const FileDialogRequest&)>& fileDialogHook() {
  static TestHook<std::optional<QString>(const FileDialogRequest&)> hook;
  return hook;
}

TFileDialog::TFileDialog(FileDialogKind kind, QWidget* owner) : kind_(kind), owner_(owner) {}

QStringList TFileDialog::nameFilters(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns) {
      if (p == QLatin1String("*.*")) p = QStringLiteral("*");  // every name, as on Windows
    }
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(' '));
  }
  return filters;
}

std::unique_ptr<QFileDialog> TFileDialog::createDialog() const {
  auto dialog = std::make_unique<CommonFileDialog>(kind_, owner_);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setOption(QFileDialog::HideNameFilterDetails);
  dialog->setWindowTitle(Title);
  dialog->setNameFilters(nameFilters(Filter));
  dialog->setDefaultSuffix(DefaultExt);
  if (kind_ == FileDialogKind::Open) {
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);  // the command asks itself
  }
  if (!FileName.isEmpty()) dialog->selectFile(FileName);
  return dialog;
}

bool TFileDialog::Execute() {
  if (fileDialogHook()) {
    const std::optional<QString> chosen = fileDialogHook().function(
        FileDialogRequest{kind_, Title, nameFilters(Filter), DefaultExt, FileName});
    if (!chosen) return false;
    FileName = *chosen;
    return true;
  }
  const std::unique_ptr<QFileDialog> dialog = createDialog();
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return false;
  FileName = QDir::toNativeSeparators(dialog->selectedFiles().first());
  return true;
}

}  // namespace paxamon
