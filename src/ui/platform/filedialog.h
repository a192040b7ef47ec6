// The load and save dialogs, with the settings of the original platform's
// common dialogs: a title, a filter list written as "Name|*.ext|Name|*.*",
// a default extension added to a name typed without one, and the checks
// the dialog makes before it accepts a name (the folder must exist; for
// opening the file must exist; for saving a read-only file is refused).
// Qt's own dialog is used, so the settings hold on every desktop; its
// refusals are the program's warning boxes.
//
// Tests set fileDialogHook(): every Execute is then handed to the hook,
// which answers with a name (or nothing for cancel), and no window opens.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "ui/platform/testhook.h"

class QWidget;
class QFileDialog;

namespace paxamon {

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::Open;
  QString title;
  QStringList nameFilters;  // as Qt shows them
  QString defaultExt;
  QString fileName;  // proposed: the dialog's last choice
};

TestHook<std::optional<QString>(const FileDialogRequest&)>& fileDialogHook();

class TFileDialog {
 public:
  TFileDialog(FileDialogKind kind, QWidget* owner);

  QString Title;
  QString Filter;  // "Name|pattern|Name|pattern"; the first entry is selected
  QString DefaultExt;
  QString FileName;  // the chosen name; proposed at the next Execute

  // Shows the dialog modally; true when a name was chosen (in FileName).
  bool Execute();

  // The filter list as Qt name filters: "*.*" means every name.
  static QStringList nameFilters(const QString& filter);
  // The dialog as Execute shows it, for tests that drive it.
  std::unique_ptr<QFileDialog> createDialog() const;

 private:
  FileDialogKind kind_;
  QWidget* owner_;
};

}  // namespace paxamon
