#include "ui/platform/filedialog.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/platform/messagebox.h"

namespace paxamon {
namespace {

// Runs the real dialog, types name and presses Enter; a name the dialog
// refuses leaves it open, and it is cancelled then. Returns the boxes shown.
std::vector<MessageBoxRequest> typeName(FileDialogKind kind, const QString& name, bool* accepted) {
  std::vector<MessageBoxRequest> boxes;
  ScopedHook hook(messageBoxHook(), [&](const MessageBoxRequest& r) {
    boxes.push_back(r);
    return MessageBoxResult::Ok;
  });
  TFileDialog dialog(kind, nullptr);
  dialog.Title = kind == FileDialogKind::Open ? "Laden" : "Speichern";
  dialog.Filter = "Paxamon Dateien|*.pax|Alle Dateien|*.*";
  dialog.DefaultExt = "pax";
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    auto* edit = d->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
    if (d->isVisible()) d->reject();
  });
  *accepted = dialog.Execute();
  return boxes;
}

TEST(FileDialog, RefusesNamesWithTheProgramsWarningBox) {
  QTemporaryDir dir;
  bool accepted = true;
  std::vector<MessageBoxRequest> boxes =
      typeName(FileDialogKind::Save, dir.filePath("fehlt/a.pax"), &accepted);
  EXPECT_FALSE(accepted);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageBoxKind::Warning);
  EXPECT_EQ(boxes[0].caption, "Speichern");
  EXPECT_EQ(boxes[0].icon, MessageBoxIcon::Exclamation);
  EXPECT_EQ(boxes[0].text, "a.pax\nDer Pfad existiert nicht.\nÜberprüfen Sie die Pfadangabe.");

  boxes = typeName(FileDialogKind::Open, dir.filePath("weg"), &accepted);
  EXPECT_FALSE(accepted);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Laden");
  EXPECT_TRUE(boxes[0].text.startsWith("weg.pax\nDatei nicht gefunden."));

  // A file the user may not write (root may write any).
  QFile locked(dir.filePath("fest.pax"));
  ASSERT_TRUE(locked.open(QIODevice::WriteOnly));
  locked.close();
  locked.setPermissions(QFileDevice::ReadOwner);
  boxes = typeName(FileDialogKind::Save, locked.fileName(), &accepted);
  if (geteuid() == 0) {
    EXPECT_TRUE(accepted && boxes.empty());
  } else {
    EXPECT_FALSE(accepted);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains("schreibgeschützt"));
  }
}

TEST(FileDialog, TheRealDialogCompletesTheExtension) {
  QTemporaryDir dir;
  QFile file(dir.filePath("test.pax"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  for (FileDialogKind kind : {FileDialogKind::Open, FileDialogKind::Save}) {
    TFileDialog dialog(kind, nullptr);
    dialog.Title = "Laden";
    dialog.Filter = "Paxamon Dateien|*.pax|Alle Dateien|*.*";
    dialog.DefaultExt = "pax";
    dialog.FileName = dir.filePath("other");
    QTimer::singleShot(0, [] {
      auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(d, nullptr);
      EXPECT_EQ(d->windowTitle(), "Laden");
      EXPECT_EQ(d->selectedNameFilter(), "Paxamon Dateien");  // the first entry, shown by name
      auto* name = d->findChild<QLineEdit*>("fileNameEdit");
      ASSERT_NE(name, nullptr);
      name->setText("test");
      QTest::keyClick(name, Qt::Key_Return);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(QDir::fromNativeSeparators(dialog.FileName), dir.filePath("test.pax"));
  }
}

}  // namespace
}  // namespace paxamon
