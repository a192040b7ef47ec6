// The program as a screen reader meets it over AT-SPI: every control a
// pupil reads or operates has a name, a role and its value; buttons press;
// each step is told; a run error's box is an alert.
#include <gtest/gtest.h>

#include <algorithm>

#include "accessibility.h"
#include "desktop.h"
#include "paxamon_app.h"

namespace paxamon::e2e {
namespace {

class Accessibility : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(desktop.ready());
    ASSERT_TRUE(atspi.ready());
    ASSERT_TRUE(app.started());
  }

  // The object or a failure that names it.
  AccessibleObject object(const AccessibleTree& tree, const std::string& role,
                          const QString& name) {
    const auto found = findObject(tree, role, name);
    if (!found) ADD_FAILURE() << "no " << role << " \"" << name.toStdString() << "\"";
    return found.value_or(AccessibleObject{});
  }

  // The text of the object with that role and name in the main window.
  QString textOf(const std::string& role, const QString& name) {
    return object(atspi.tree(kMainTitle), role, name).text;
  }

  // "LDA5", "END", and 42 in cell 5: AK is 42 after it.
  void typeProgram() { app.typeProgram({"LDA5", "END", "", "", "", "42"}); }

  Desktop desktop;
  AtSpi atspi{desktop};  // before the program, which finds the bus at its start
  Paxamon app{desktop};
};

TEST_F(Accessibility, MainWindowCellsRegistersLabelsAndButtonsThatPress) {
  typeProgram();
  const AccessibleTree tree = atspi.tree(kMainTitle);
  ASSERT_FALSE(tree.empty());
  EXPECT_EQ(object(tree, "frame", kMainTitle).role, "frame");

  // The memory: two lists of named cells, each with its text; the cell
  // editor carries the name of the cell it edits.
  object(tree, "list", QStringLiteral("Hauptspeicher, Zellen 0 bis 15"));
  object(tree, "list", QStringLiteral("Hauptspeicher, Zellen 16 bis 31"));
  for (int address = 0; address < 32; ++address) {
    const QString name = QStringLiteral("Zelle %1").arg(address);
    const AccessibleObject cell = object(tree, "list item", name);
    const QString expected = address == 0   ? QStringLiteral("LDA5")
                             : address == 1 ? QStringLiteral("END")
                             : address == 5 ? QStringLiteral("42")
                                            : QString();
    EXPECT_EQ(cell.text, expected) << name.toStdString();
  }
  const AccessibleObject editor = object(tree, "text", QStringLiteral("Zelle 5"));
  EXPECT_TRUE(editor.has("focused") && editor.has("editable"));
  EXPECT_EQ(editor.text, QStringLiteral("42"));

  // The registers: read-only texts named as their labels, the full name as
  // description; the group boxes around them; the paths and the sign.
  for (const auto& [name, description] :
       {std::pair{"IR", "Befehlsregister"}, std::pair{"PC", "Schrittzähler"},
        std::pair{"XR", "Indexregister"}, std::pair{"AK", "Akkumulator"}}) {
    const AccessibleObject field = object(tree, "text", QString::fromUtf8(name));
    EXPECT_TRUE(field.has("read-only")) << name;
    EXPECT_FALSE(field.has("focusable")) << name;
    EXPECT_EQ(field.description, QString::fromUtf8(description));
    object(tree, "label", QString::fromUtf8(name));
  }
  for (const char* box : {"Steuerwerk", "Rechenwerk", "Hauptspeicher"})
    object(tree, "panel", QString::fromUtf8(box));
  for (const char* label : {"Steuerweg", "Datenweg", "Rechenzeichen"})
    object(tree, "label", QString::fromUtf8(label));
  EXPECT_TRUE(object(tree, "label", QStringLiteral("Version 1.01")).offers("Press"));

  // Every button presses; the two drawn ones take the keyboard focus.
  const std::vector<AccessibleObject> buttons = objectsOf(tree, "push button");
  std::vector<QString> names;
  for (const AccessibleObject& b : buttons) {
    names.push_back(b.name);
    EXPECT_TRUE(b.offers("Press")) << b.name.toStdString();
  }
  const std::vector<QString> expected = {QStringLiteral("Neues Programm"),
                                         QStringLiteral("Programm laden"),
                                         QStringLiteral("Programm speichern"),
                                         QStringLiteral("Ausführen"),
                                         QStringLiteral("Befehlsübersicht"),
                                         QStringLiteral("Ausführen"),
                                         QStringLiteral("Beenden")};
  EXPECT_EQ(names, expected);
  const auto run = std::find_if(buttons.begin(), buttons.end(),
                                [](const AccessibleObject& b) { return b.has("focusable"); });
  ASSERT_NE(run, buttons.end());
  EXPECT_EQ(run->name, QStringLiteral("Ausführen"));

  // The mode label presses like a click: full run; then the run button.
  AccessibleObject mode = object(tree, "label", QStringLiteral("Modus: Einzelschritte"));
  ASSERT_TRUE(mode.offers("Press"));
  ASSERT_TRUE(atspi.act(mode));
  const auto hasLabel = [](const QString& name) {
    return [name](const AccessibleTree& t) { return findObject(t, "label", name).has_value(); };
  };
  ASSERT_FALSE(
      atspi.waitForTree(kMainTitle, hasLabel(QStringLiteral("Modus: Gesamtdurchlauf"))).empty());
  ASSERT_TRUE(atspi.act(*run));
  const AccessibleTree after = atspi.waitForTree(kMainTitle, [](const AccessibleTree& t) {
    const auto ak = findObject(t, "text", QStringLiteral("AK"));
    return ak && ak->text == QStringLiteral("42");
  });
  EXPECT_EQ(object(after, "text", QStringLiteral("IR")).text, QStringLiteral("END"));
  EXPECT_EQ(object(after, "text", QStringLiteral("AK")).text, QStringLiteral("42"));
  EXPECT_EQ(object(after, "list item", QStringLiteral("Zelle 5")).text, QStringLiteral("42"));
}

TEST_F(Accessibility, EachStepIsToldWithTheStepDialogAndARunErrorIsAnAlert) {
  typeProgram();
  ASSERT_TRUE(atspi.watch({"object:text-changed:insert"}));
  desktop.key("F9");
  const auto describedAs = [&](const QString& summary) {
    return atspi.waitForTree(kStepTitle, [&](const AccessibleTree& t) {
      const auto next = findObject(t, "push button", QStringLiteral("nächster Schritt"));
      return next && next->description == summary;
    });
  };
  // The dialog and its focused button say what the step did.
  AccessibleTree dialog = describedAs(QStringLiteral("Zelle 0 ausgeführt. IR LDA5, PC 0, AK 42"));
  AccessibleObject next = object(dialog, "push button", QStringLiteral("nächster Schritt"));
  EXPECT_TRUE(next.has("focused"));
  EXPECT_EQ(object(dialog, "dialog", kStepTitle).description, next.description);
  ASSERT_TRUE(atspi.act(next));
  dialog = describedAs(QStringLiteral("Zelle 1 ausgeführt. IR END, PC 1, AK 42"));
  ASSERT_TRUE(atspi.act(object(dialog, "push button", QStringLiteral("Abbrechen"))));
  ASSERT_TRUE(desktop.waitForNoWindow(kStepTitle));

  // The registers told their new texts as they changed.
  const std::vector<std::string> events = atspi.stopWatching();
  for (const char* change : {"text\tIR\t0\tLDA5", "text\tIR\t0\tEND", "text\tPC\t0\t1",
                             "text\tAK\t0\t42", "label\tSteuerweg\t0\tEND"}) {
    EXPECT_TRUE(std::any_of(events.begin(), events.end(),
                            [&](const std::string& e) { return e.ends_with(change); }))
        << "no event " << change;
  }

  // A run error of the empty program: the box is an alert with its text,
  // active at once.
  ASSERT_TRUE(app.waitForMainActive());
  ASSERT_TRUE(
      atspi.act(object(atspi.tree(kMainTitle), "push button", QStringLiteral("Neues Programm"))));
  ASSERT_TRUE(waitUntil([&] { return textOf("list item", QStringLiteral("Zelle 0")).isEmpty(); }));
  ASSERT_TRUE(atspi.watch({"window:activate"}));
  desktop.key("F9");
  ASSERT_NE(app.waitForActiveWindow(kPlainTitle), 0u);
  const AccessibleTree box = atspi.tree(kPlainTitle);
  const AccessibleObject alert = object(box, "alert", kPlainTitle);
  EXPECT_EQ(alert.description, QStringLiteral("FEHLER: Unbekannter Befehl in Speicherzelle 0"));
  EXPECT_EQ(object(box, "label", alert.description).role, "label");
  EXPECT_TRUE(object(box, "push button", QStringLiteral("OK")).has("focused"));
  const std::vector<std::string> shown = atspi.stopWatching();
  EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const std::string& e) {
    return e.starts_with("window:activate\talert\tPaxamon");
  })) << "the box was not announced as an alert";
  desktop.key("Return");
  EXPECT_TRUE(desktop.waitForNoWindow(kPlainTitle));
}

TEST_F(Accessibility, OverviewRowsAboutBoxAndCreditsAreReadTheirButtonsPress) {
  ASSERT_TRUE(
      atspi.act(object(atspi.tree(kMainTitle), "push button", QStringLiteral("Befehlsübersicht"))));
  ASSERT_NE(desktop.waitForWindow(kOverviewTitle), 0u);
  const AccessibleTree overview = atspi.tree(kOverviewTitle);
  object(overview, "label", QStringLiteral("Befehl"));
  object(overview, "label", QStringLiteral("Funktion"));
  // Each row: the instruction, its meaning as the description, and the
  // meaning as a text of its own.
  for (const auto& [instruction, meaning] :
       {std::pair{"LDAxx", "AK := xx"}, std::pair{"JXPxx", "if XR > 0 then {goto xx; dec(XR)}"},
        std::pair{"END", "Ende des Programmes"}}) {
    EXPECT_EQ(object(overview, "label", QString::fromUtf8(instruction)).description,
              QString::fromUtf8(meaning));
    object(overview, "label", QString::fromUtf8(meaning));
  }
  EXPECT_EQ(objectsOf(overview, "label").size(), 2u + 16u + 16u);
  ASSERT_TRUE(atspi.act(object(overview, "push button", QStringLiteral("Schließen"))));
  EXPECT_TRUE(desktop.waitForNoWindow(kOverviewTitle)) << "\"Schließen\" did not close";

  // The about box by keys; its texts; the context-menu key plays the
  // credits, whose button leaves both.
  ASSERT_TRUE(app.waitForMainActive());
  desktop.key("alt+h");
  ASSERT_TRUE(waitUntil([&] { return !desktop.unmanagedWindows().empty(); })) << "no menu";
  desktop.key("b");
  ASSERT_NE(app.waitForActiveWindow(kAboutTitle), 0u);
  const AccessibleTree about = atspi.tree(kAboutTitle);
  object(about, "label", QStringLiteral("Paxamon"));
  object(about, "label", QStringLiteral("Version 1.01"));
  EXPECT_TRUE(std::any_of(about.begin(), about.end(), [](const AccessibleObject& o) {
    return o.role == "label" && o.name.contains(QStringLiteral("2000"));
  })) << "no copyright line";
  desktop.key("Menu");
  ASSERT_NE(app.waitForActiveWindow(kCreditsTitle), 0u) << "the context-menu key played nothing";
  const AccessibleObject leave =
      object(atspi.tree(kCreditsTitle), "push button", QStringLiteral("Das Kino verlassen"));
  ASSERT_TRUE(atspi.act(leave));
  EXPECT_TRUE(desktop.waitForNoWindow(kCreditsTitle));
  EXPECT_TRUE(desktop.waitForNoWindow(kAboutTitle));
  EXPECT_TRUE(app.waitForMainActive());
}

}  // namespace
}  // namespace paxamon::e2e
