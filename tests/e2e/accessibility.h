// A screen reader's view of a program on a test desktop: the desktop gets
// a session bus of its own, the session is told that a screen reader runs
// (which starts the accessibility bus, AT-SPI), and the program's
// accessibility tree, its actions and its events are read over that bus by
// atspi_probe, a small client built with the tests. Every call of the probe
// has a time limit.
#pragma once

#include <QRect>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "desktop.h"

namespace paxamon::e2e {

// One object of the tree as AT-SPI reports it.
struct AccessibleObject {
  std::string path;  // child indices from the application ("0/0/12")
  std::string role;  // AT-SPI's role name: "push button", "label", "list item"
  QString name;
  QString description;
  std::vector<std::string> states;  // "focused", "read-only", ...
  QString text;                     // its text, when it offers one
  std::vector<std::string> actions;
  QRect extents;  // in screen coordinates

  bool has(const std::string& state) const;
  bool offers(const std::string& action) const;
};

using AccessibleTree = std::vector<AccessibleObject>;

// The first object of the tree with that role and name, or nothing.
std::optional<AccessibleObject> findObject(const AccessibleTree& tree, const std::string& role,
                                           const QString& name);
// Every object of that role, in tree order.
std::vector<AccessibleObject> objectsOf(const AccessibleTree& tree, const std::string& role);

class AtSpi {
 public:
  // Starts the desktop's session bus and the accessibility bus on it; must
  // come before the program starts.
  explicit AtSpi(Desktop& desktop);

  bool ready() const { return ready_; }

  // The application's tree, or the tree of its window titled window. Empty
  // when the probe failed (the test fails then).
  AccessibleTree tree(const QString& window = {});
  // Waits until the window's tree satisfies condition; the last tree read.
  AccessibleTree waitForTree(const QString& window,
                             const std::function<bool(const AccessibleTree&)>& condition,
                             Duration timeout = 5000ms);
  // Performs an action ("Press") on the object.
  bool act(const AccessibleObject& object, const std::string& action = "Press");

  // Listens for events of the given kinds ("object:", "window:activate")
  // from now on until stopWatching, which returns them, one line each:
  // "type<TAB>role<TAB>name<TAB>detail<TAB>text".
  bool watch(const std::vector<std::string>& kinds);
  std::vector<std::string> stopWatching();

 private:
  // Runs the probe with arguments; its output, or nothing after a failure.
  std::optional<std::vector<std::string>> probe(const std::vector<std::string>& arguments,
                                                Duration timeout = 20000ms);

  Desktop& desktop_;
  bool ready_ = false;
  int calls_ = 0;
  Process* watcher_ = nullptr;
  std::string watchFile_;
};

}  // namespace paxamon::e2e
