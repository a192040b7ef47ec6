#include "ui/platform/messagebox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace paxamon {
namespace {

const QString kOverwrite =
    "Eine Datei mit diesem Name existiert schon.\rSoll sie überschrieben werden?";

TEST(MessageBox, TheHookSeesEachKindAndAnswersIt) {
  std::vector<MessageBoxRequest> seen;
  ScopedHook hook(messageBoxHook(), [&](const MessageBoxRequest& request) {
    seen.push_back(request);
    return request.kind == MessageBoxKind::Question ? MessageBoxResult::Closed
                                                    : MessageBoxResult::Ok;
  });
  EXPECT_EQ(showMessage("FEHLER: Unbekannter Befehl in Speicherzelle 5"), MessageBoxResult::Ok);
  EXPECT_EQ(showError("\rFehler beim Speichern!"), MessageBoxResult::Ok);
  EXPECT_EQ(askQuestion(kOverwrite), MessageBoxResult::Closed);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ((QStringList{seen[0].caption, seen[1].caption, seen[2].caption}),
            (QStringList{"Paxamon", "Fehler", "Bestätigen"}));
  EXPECT_EQ(seen[1].text, "\rFehler beim Speichern!");
  EXPECT_TRUE(seen[1].icon == MessageBoxIcon::Stop && seen[2].icon == MessageBoxIcon::Question);
  EXPECT_EQ(seen[2].buttons[seen[2].defaultButton], "&Ja");
  EXPECT_EQ(seen[2].buttons[seen[2].escapeButton], "&Nein");
}

TEST(MessageBox, BoxWindowsShowTheirTextExactlyCentredOnTheScreen) {
  const auto check = [](MessageBoxKind kind, const QString& text, const QString& title, bool icon,
                        const QStringList& buttons) {
    const std::unique_ptr<QDialog> box = createMessageBox(messageBoxRequest(kind, text));
    EXPECT_EQ(box->windowTitle(), title);
    EXPECT_EQ(box->findChild<QLabel*>("icon") != nullptr, icon) << title.toStdString();
    QStringList shown;
    for (const QPushButton* button : box->findChildren<QPushButton*>())
      shown << button->text();
    EXPECT_EQ(shown, buttons);
    const QRect screen = box->screen()->geometry();
    EXPECT_NEAR(box->x(), screen.x() + (screen.width() - box->width()) / 2, 1);
    EXPECT_NEAR(box->y(), screen.y() + (screen.height() - box->height()) / 2, 1);
    EXPECT_LE(box->width(), screen.width() / 2 + 100);  // long texts wrap
    const QLabel* label = box->findChild<QLabel*>("message");
    EXPECT_EQ(label->text(), messageBoxDisplayText(text));
    return label->height() / label->fontMetrics().height();  // lines shown
  };
  // The leading carriage return is an empty first line.
  EXPECT_EQ(check(MessageBoxKind::Error, "\rFehler beim Laden der angegebenen Datei!", "Fehler",
                  true, {"OK"}),
            2);
  EXPECT_EQ(messageBoxDisplayText(kOverwrite),
            "Eine Datei mit diesem Name existiert schon.\nSoll sie überschrieben werden?");
  EXPECT_EQ(messageBoxDisplayText("\rFehler!\r\nx"), "\nFehler!\nx");
  check(MessageBoxKind::Question, kOverwrite, "Bestätigen", true, {"&Ja", "&Nein"});
  EXPECT_GT(check(MessageBoxKind::Plain, QString("Speicherzelle ").repeated(60), "Paxamon", false,
                  {"OK"}),
            1);
}

// Shows the real question box and, once it is up, answers it with act.
MessageBoxResult answer(const std::function<void(QDialog&)>& act) {
  bool acted = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Bestätigen");
    acted = true;
    act(*box);
  });
  const MessageBoxResult result = askQuestion(kOverwrite);
  EXPECT_TRUE(acted);
  return result;
}

void key(QDialog& box, Qt::Key k) {
  QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, k);
}

TEST(MessageBox, TheRealQuestionBoxAnswersYesNoOrClosed) {
  EXPECT_EQ(answer([](QDialog& box) { key(box, Qt::Key_Return); }), MessageBoxResult::Yes);
  EXPECT_EQ(answer([](QDialog& box) { key(box, Qt::Key_Escape); }), MessageBoxResult::No);
  EXPECT_EQ(answer([](QDialog& box) { key(box, Qt::Key_N); }), MessageBoxResult::No);
  EXPECT_EQ(answer([](QDialog& box) {
              key(box, Qt::Key_Tab);  // focus to "&Nein": Enter answers it
              key(box, Qt::Key_Return);
            }),
            MessageBoxResult::No);
  EXPECT_EQ(answer([](QDialog& box) { box.close(); }), MessageBoxResult::Closed);
}

}  // namespace
}  // namespace paxamon
