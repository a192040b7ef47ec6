#include "accessibility.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QStringList>
#include <algorithm>
#include <fstream>
#include <sstream>

namespace paxamon::e2e {

namespace {

// The name under which the program registers with the accessibility bus.
const std::string kApplication = "Paxamon";

// A field of the probe's output, its escapes undone.
std::string unescaped(const std::string& text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      result += text[i];
      continue;
    }
    const char next = text[++i];
    result += next == 't' ? '\t' : next == 'n' ? '\n' : next;
  }
  return result;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator))
    parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

std::vector<std::string> readLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

AccessibleObject parseObject(const std::string& line) {
  std::vector<std::string> f = split(line, '\t');
  f.resize(8);
  AccessibleObject o;
  o.path = f[0];
  o.role = f[1];
  o.name = QString::fromStdString(unescaped(f[2]));
  o.description = QString::fromStdString(unescaped(f[3]));
  for (const std::string& state : split(f[4], ' '))
    if (!state.empty()) o.states.push_back(state);
  o.text = QString::fromStdString(unescaped(f[5]));
  for (const std::string& action : split(f[6], ' '))
    if (!action.empty()) o.actions.push_back(action);
  const QStringList box = QString::fromStdString(f[7]).split(u',');
  if (box.size() == 4)
    o.extents = QRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt());
  return o;
}

}  // namespace

bool AccessibleObject::has(const std::string& state) const {
  return std::find(states.begin(), states.end(), state) != states.end();
}

bool AccessibleObject::offers(const std::string& action) const {
  return std::find(actions.begin(), actions.end(), action) != actions.end();
}

std::optional<AccessibleObject> findObject(const AccessibleTree& tree, const std::string& role,
                                           const QString& name) {
  for (const AccessibleObject& o : tree) {
    if (o.role == role && o.name == name) return o;
  }
  return std::nullopt;
}

std::vector<AccessibleObject> objectsOf(const AccessibleTree& tree, const std::string& role) {
  std::vector<AccessibleObject> found;
  std::copy_if(tree.begin(), tree.end(), std::back_inserter(found),
               [&](const AccessibleObject& o) { return o.role == role; });
  return found;
}

AtSpi::AtSpi(Desktop& desktop) : desktop_(desktop) {
  if (!desktop.ready()) return;
  if (!desktop.startSessionBus()) {
    ADD_FAILURE() << "no session bus (is dbus-daemon installed? scripts/setup.sh)";
    return;
  }
  const auto answer = probe({"enable"});
  ready_ = answer && !answer->empty() && answer->front() == "enabled";
  if (!ready_) ADD_FAILURE() << "the accessibility bus did not start (at-spi2-core?)";
}

std::optional<std::vector<std::string>> AtSpi::probe(const std::vector<std::string>& arguments,
                                                     Duration timeout) {
  const std::string out = desktop_.folder() + "/probe" + std::to_string(++calls_) + ".txt";
  std::vector<std::string> argv = {ATSPI_PROBE, out};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  Process& process = desktop_.start(argv, desktop_.folder());
  if (!process.waitForExit(timeout)) {
    process.end();
    ADD_FAILURE() << "atspi_probe " << arguments.front() << " did not finish in time";
    return std::nullopt;
  }
  std::vector<std::string> lines = readLines(out);
  const int status = process.exitStatus();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    ADD_FAILURE() << "atspi_probe " << arguments.front()
                  << " failed: " << (lines.empty() ? std::string("no output") : lines.front());
    return std::nullopt;
  }
  return lines;
}

AccessibleTree AtSpi::tree(const QString& window) {
  std::vector<std::string> arguments = {"tree", kApplication};
  if (!window.isEmpty()) arguments.push_back(window.toStdString());
  AccessibleTree objects;
  if (const auto lines = probe(arguments)) {
    for (const std::string& line : *lines)
      objects.push_back(parseObject(line));
  }
  return objects;
}

AccessibleTree AtSpi::waitForTree(const QString& window,
                                  const std::function<bool(const AccessibleTree&)>& condition,
                                  Duration timeout) {
  AccessibleTree last;
  waitUntil([&] { return condition(last = tree(window)); }, timeout);
  return last;
}

bool AtSpi::act(const AccessibleObject& object, const std::string& action) {
  const auto answer = probe({"do", kApplication, object.path, action});
  return answer && !answer->empty() && answer->front() == "done";
}

bool AtSpi::watch(const std::vector<std::string>& kinds) {
  watchFile_ = desktop_.folder() + "/events" + std::to_string(++calls_) + ".txt";
  std::vector<std::string> argv = {ATSPI_PROBE, watchFile_, "watch", kApplication};
  argv.insert(argv.end(), kinds.begin(), kinds.end());
  watcher_ = &desktop_.start(argv, desktop_.folder());
  // It writes "ready" once it listens.
  return waitUntil(
      [&] {
        const std::vector<std::string> lines = readLines(watchFile_);
        return !lines.empty() && lines.front() == "ready";
      },
      10000ms);
}

std::vector<std::string> AtSpi::stopWatching() {
  if (!watcher_) return {};
  pause(300ms);  // the last events are on their way
  watcher_->end();
  watcher_ = nullptr;
  std::vector<std::string> lines = readLines(watchFile_);
  if (!lines.empty()) lines.erase(lines.begin());
  return lines;
}

}  // namespace paxamon::e2e
