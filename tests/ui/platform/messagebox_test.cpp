// The program's message boxes, and the file dialogs' refusals in them.
#include "ui/platform/messagebox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/platform/filedialog.h"

namespace paxamon {
namespace {

const QString kOverwrite =
    "Eine Datei mit diesem Name existiert schon.\rSoll sie überschrieben werden?";

// Collects the boxes asked for instead of showing them.
struct Boxes {
  std::vector<MessageBoxRequest> seen;
  ScopedHook<MessageBoxResult(const MessageBoxRequest&)> hook{messageBoxHook(),
                                                              [this](const MessageBoxRequest& r) {
                                                                seen.push_back(r);
                                                                return MessageBoxResult::Ok;
                                                              }};
};

TEST(MessageBox, EachKindHasItsCaptionIconAndButtons) {
  Boxes boxes;
  showMessage("FEHLER: Unbekannter Befehl in Speicherzelle 5");
  showError("\rFehler beim Speichern!");
  askQuestion(kOverwrite);
  ASSERT_EQ(boxes.seen.size(), 3u);
  const auto& [plain, error, question] = std::tie(boxes.seen[0], boxes.seen[1], boxes.seen[2]);
  EXPECT_TRUE(plain.caption == "Paxamon" && plain.icon == MessageBoxIcon::None);
  EXPECT_TRUE(error.caption == "Fehler" && error.icon == MessageBoxIcon::Stop);
  EXPECT_EQ(question.buttons[question.defaultButton], "&Ja");
  EXPECT_EQ(question.buttons[question.escapeButton], "&Nein");
}

TEST(MessageBox, TheWindowShowsItsLinesWrapped) {
  const auto lines = [](MessageBoxKind kind, const QString& text) {
    const std::unique_ptr<QDialog> box = createMessageBox(messageBoxRequest(kind, text));
    const QLabel* label = box->findChild<QLabel*>("message");
    EXPECT_LE(box->width(), box->screen()->geometry().width() / 2 + 100);
    return label->height() / label->fontMetrics().height();
  };
  // The leading carriage return is an empty first line; long texts wrap.
  EXPECT_EQ(lines(MessageBoxKind::Error, "\rFehler beim Laden der angegebenen Datei!"), 2);
  EXPECT_GT(lines(MessageBoxKind::Plain, QString("Speicherzelle ").repeated(60)), 1);
  EXPECT_EQ(messageBoxDisplayText("\rFehler!\r\nx"), "\nFehler!\nx");
}

TEST(MessageBox, TheRealQuestionBoxAnswersNoToEscapeAndEnterAnswersTheFocusedButton) {
  for (const bool tab : {false, true}) {
    QTimer::singleShot(0, [tab] {
      QWidget* focus = QApplication::activeModalWidget()->focusWidget();
      ASSERT_NE(focus, nullptr);
      QTest::keyClick(focus, tab ? Qt::Key_Tab : Qt::Key_Escape);
      if (tab) QTest::keyClick(QApplication::activeModalWidget()->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(askQuestion(kOverwrite), MessageBoxResult::No) << tab;
  }
}

TEST(FileDialog, RefusesNamesWithTheProgramsWarningBoxAndCompletesTheExtension) {
  QTemporaryDir dir;
  // Types name into the dialog and presses Enter; whether it accepted.
  const auto type = [&](FileDialogKind kind, const QString& name) {
    TFileDialog settings(kind, nullptr);
    settings.Title = kind == FileDialogKind::Open ? "Laden" : "Speichern";
    settings.DefaultExt = "pax";
    const std::unique_ptr<QFileDialog> dialog = settings.createDialog();
    dialog->setDirectory(dir.path());
    dialog->show();
    QLineEdit* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
    return dialog->result() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
  };
  Boxes boxes;
  EXPECT_EQ(type(FileDialogKind::Save, dir.filePath("fehlt/a.pax")), "");
  EXPECT_EQ(type(FileDialogKind::Open, "weg"), "");
  ASSERT_EQ(boxes.seen.size(), 2u);
  EXPECT_EQ(boxes.seen[0].kind, MessageBoxKind::Warning);
  EXPECT_EQ(boxes.seen[0].caption, "Speichern");
  EXPECT_EQ(boxes.seen[0].text, "a.pax\nDer Pfad existiert nicht.\nÜberprüfen Sie die Pfadangabe.");
  EXPECT_EQ(boxes.seen[1].caption, "Laden");
  EXPECT_TRUE(boxes.seen[1].text.startsWith("weg.pax\nDatei nicht gefunden."));
  EXPECT_EQ(type(FileDialogKind::Save, "neu"), dir.filePath("neu.pax"));
  EXPECT_EQ(boxes.seen.size(), 2u);
}

}  // namespace
}  // namespace paxamon
