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
#include <optional>

namespace paxamon {
namespace {

TEST(MessageBox, TheHookSeesEachKindAndAnswersIt) {
  std::vector<MessageBoxRequest> seen;
  ScopedMessageBoxHook hook([&](const MessageBoxRequest& request) {
    seen.push_back(request);
    return request.kind == MessageBoxKind::Question ? MessageBoxResult::Closed
                                                    : MessageBoxResult::Ok;
  });
  EXPECT_EQ(showMessage("FEHLER: Unbekannter Befehl in Speicherzelle 5"), MessageBoxResult::Ok);
  EXPECT_EQ(showError("\rFehler beim Speichern!"), MessageBoxResult::Ok);
  EXPECT_EQ(
      askQuestion("Eine Datei mit diesem Name existiert schon.\rSoll sie überschrieben werden?"),
      MessageBoxResult::Closed);
  ASSERT_EQ(seen.size(), 3u);

  EXPECT_EQ(seen[0].caption, "Paxamon");
  EXPECT_EQ(seen[0].icon, MessageBoxIcon::None);
  EXPECT_EQ(seen[0].buttons, QStringList{"OK"});
  EXPECT_EQ(seen[1].caption, "Fehler");
  EXPECT_EQ(seen[1].icon, MessageBoxIcon::Stop);
  EXPECT_EQ(seen[1].text, "\rFehler beim Speichern!");
  EXPECT_EQ(seen[2].caption, "Bestätigen");
  EXPECT_EQ(seen[2].icon, MessageBoxIcon::Question);
  EXPECT_EQ(seen[2].buttons, (QStringList{"&Ja", "&Nein"}));
  EXPECT_EQ(seen[2].buttons[seen[2].defaultButton], "&Ja");
  EXPECT_EQ(seen[2].buttons[seen[2].escapeButton], "&Nein");
}

// Shows a real box and, once it is up, lets act look at and answer it.
MessageBoxResult driveBox(const std::function<MessageBoxResult()>& open,
                          const std::function<void(QDialog&)>& act) {
  bool acted = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    acted = true;
    act(*box);
  });
  const MessageBoxResult result = open();
  EXPECT_TRUE(acted);
  return result;
}

void key(QDialog& box, Qt::Key k) {
  QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, k);
}

TEST(MessageBox, TheRealQuestionBoxAnswersYesNoOrClosed) {
  const QString text =
      "Eine Datei mit diesem Name existiert schon.\rSoll sie überschrieben werden?";
  const auto ask = [&] { return askQuestion(text); };
  EXPECT_EQ(driveBox(ask,
                     [&](QDialog& box) {
                       EXPECT_EQ(box.windowTitle(), "Bestätigen");
                       const auto* label = box.findChild<QLabel*>("message");
                       ASSERT_NE(label, nullptr);
                       EXPECT_EQ(label->text(),
                                 "Eine Datei mit diesem Name existiert schon.\nSoll sie "
                                 "überschrieben werden?");
                       ASSERT_NE(box.findChild<QLabel*>("icon"), nullptr);
                       const auto buttons = box.findChildren<QPushButton*>();
                       ASSERT_EQ(buttons.size(), 2);
                       EXPECT_EQ(buttons[0]->text(), "&Ja");
                       EXPECT_EQ(buttons[1]->text(), "&Nein");
                       // Centred on the screen.
                       const QRect screen = box.screen()->geometry();
                       EXPECT_NEAR(box.x(), screen.x() + (screen.width() - box.width()) / 2, 1);
                       EXPECT_NEAR(box.y(), screen.y() + (screen.height() - box.height()) / 2, 1);
                       key(box, Qt::Key_Return);
                     }),
            MessageBoxResult::Yes);
  EXPECT_EQ(driveBox(ask, [](QDialog& box) { key(box, Qt::Key_Escape); }), MessageBoxResult::No);
  EXPECT_EQ(driveBox(ask, [](QDialog& box) { key(box, Qt::Key_N); }), MessageBoxResult::No);
  EXPECT_EQ(driveBox(ask,
                     [](QDialog& box) {
                       key(box, Qt::Key_Tab);  // focus to "&Nein": Enter answers it
                       key(box, Qt::Key_Return);
                     }),
            MessageBoxResult::No);
  EXPECT_EQ(driveBox(ask, [](QDialog& box) { box.close(); }), MessageBoxResult::Closed);
}

TEST(MessageBox, PlainAndErrorBoxesShowTheirTextExactly) {
  EXPECT_EQ(driveBox([] { return showError("\rFehler beim Laden der angegebenen Datei!"); },
                     [](QDialog& box) {
                       EXPECT_EQ(box.windowTitle(), "Fehler");
                       const auto* label = box.findChild<QLabel*>("message");
                       ASSERT_NE(label, nullptr);
                       // The leading carriage return is an empty first line.
                       EXPECT_EQ(label->text(), "\nFehler beim Laden der angegebenen Datei!");
                       EXPECT_GE(label->height(), 2 * label->fontMetrics().height());
                       key(box, Qt::Key_Escape);
                     }),
            MessageBoxResult::Ok);

  // A long text wraps within half the screen's width.
  const QString longText = QString("Speicherzelle ").repeated(60);
  EXPECT_EQ(driveBox([&] { return showMessage(longText); },
                     [](QDialog& box) {
                       EXPECT_EQ(box.windowTitle(), "Paxamon");
                       EXPECT_EQ(box.findChild<QLabel*>("icon"), nullptr);
                       EXPECT_LE(box.width(), box.screen()->geometry().width() / 2 + 100);
                       const auto buttons = box.findChildren<QPushButton*>();
                       ASSERT_EQ(buttons.size(), 1);
                       EXPECT_EQ(buttons[0]->text(), "OK");
                       box.close();
                     }),
            MessageBoxResult::Closed);
}

}  // namespace
}  // namespace paxamon
