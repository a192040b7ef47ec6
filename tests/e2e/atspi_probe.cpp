// A small assistive-technology client for the real-window tests: it asks
// the accessibility bus (AT-SPI) about a running program, as a screen reader
// does, and writes what it finds to a file, one line per object or event.
//
//   atspi_probe OUT enable
//       tells the session that a screen reader runs (org.a11y.Status), so
//       that programs started afterwards offer their accessibility tree;
//   atspi_probe OUT tree APP [WINDOW]
//       the tree of the application named APP (or of its window named
//       WINDOW), depth first: per object "path<TAB>role<TAB>name<TAB>
//       description<TAB>states<TAB>text<TAB>actions<TAB>x,y,w,h"; path is
//       the child indices from the application down, states and actions
//       separated by blanks;
//   atspi_probe OUT do APP PATH ACTION
//       performs the action named ACTION on the object at PATH (as the tree
//       gives it); writes "done" or what went wrong;
//   atspi_probe OUT watch APP EVENT...
//       writes "ready" once it listens, then per event of the given kinds
//       from APP "type<TAB>role<TAB>name<TAB>detail1<TAB>text", until it is
//       ended.
//
// Tabs, line breaks and backslashes in texts are written as \t, \n and \\.
// The exit status is 0 when the command did its work, 1 otherwise.
#include <atspi/atspi.h>
#include <dbus/dbus.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

std::FILE* out = nullptr;

std::string escaped(const char* text) {
  std::string result;
  for (const char* c = text ? text : ""; *c; ++c) {
    switch (*c) {
      case '\t':
        result += "\\t";
        break;
      case '\n':
        result += "\\n";
        break;
      case '\\':
        result += "\\\\";
        break;
      default:
        result += *c;
    }
  }
  return result;
}

// Takes a string libatspi handed over and frees it.
std::string take(gchar* text) {
  std::string result = escaped(text);
  g_free(text);
  return result;
}

std::string roleOf(AtspiAccessible* object) {
  return take(atspi_accessible_get_role_name(object, nullptr));
}

std::string nameOf(AtspiAccessible* object) {
  return take(atspi_accessible_get_name(object, nullptr));
}

std::string statesOf(AtspiAccessible* object) {
  std::string result;
  AtspiStateSet* set = atspi_accessible_get_state_set(object);
  if (!set) return result;
  GArray* states = atspi_state_set_get_states(set);
  auto* enumClass = static_cast<GEnumClass*>(g_type_class_ref(atspi_state_type_get_type()));
  for (guint i = 0; states && i < states->len; ++i) {
    const GEnumValue* value = g_enum_get_value(enumClass, g_array_index(states, gint, i));
    if (!value) continue;
    if (!result.empty()) result += ' ';
    result += value->value_nick;
  }
  g_type_class_unref(enumClass);
  if (states) g_array_free(states, TRUE);
  g_object_unref(set);
  return result;
}

std::string textOf(AtspiAccessible* object) {
  AtspiText* text = atspi_accessible_get_text_iface(object);
  if (!text) return {};
  std::string result = take(atspi_text_get_text(text, 0, -1, nullptr));
  g_object_unref(text);
  return result;
}

std::string actionsOf(AtspiAccessible* object) {
  std::string result;
  AtspiAction* action = atspi_accessible_get_action_iface(object);
  if (!action) return result;
  const gint count = atspi_action_get_n_actions(action, nullptr);
  for (gint i = 0; i < count; ++i) {
    if (!result.empty()) result += ' ';
    result += take(atspi_action_get_name(action, i, nullptr));
  }
  g_object_unref(action);
  return result;
}

std::string extentsOf(AtspiAccessible* object) {
  AtspiComponent* component = atspi_accessible_get_component_iface(object);
  if (!component) return {};
  std::string result;
  if (AtspiRect* r = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, nullptr)) {
    result = std::to_string(r->x) + "," + std::to_string(r->y) + "," + std::to_string(r->width) +
             "," + std::to_string(r->height);
    g_free(r);
  }
  g_object_unref(component);
  return result;
}

// The application named name on the desktop, waited for up to 10 seconds.
AtspiAccessible* findApplication(const char* name) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    AtspiAccessible* desktop = atspi_get_desktop(0);
    const gint count = desktop ? atspi_accessible_get_child_count(desktop, nullptr) : 0;
    for (gint i = 0; i < count; ++i) {
      AtspiAccessible* app = atspi_accessible_get_child_at_index(desktop, i, nullptr);
      if (!app) continue;
      if (nameOf(app) == name) {
        g_object_unref(desktop);
        return app;
      }
      g_object_unref(app);
    }
    if (desktop) g_object_unref(desktop);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return nullptr;
}

void writeTree(AtspiAccessible* object, const std::string& path, int depth) {
  std::fprintf(out, "%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", path.c_str(), roleOf(object).c_str(),
               nameOf(object).c_str(),
               take(atspi_accessible_get_description(object, nullptr)).c_str(),
               statesOf(object).c_str(), textOf(object).c_str(), actionsOf(object).c_str(),
               extentsOf(object).c_str());
  if (depth > 40) return;
  const gint count = atspi_accessible_get_child_count(object, nullptr);
  for (gint i = 0; i < count; ++i) {
    AtspiAccessible* child = atspi_accessible_get_child_at_index(object, i, nullptr);
    if (!child) continue;
    writeTree(child, path.empty() ? std::to_string(i) : path + "/" + std::to_string(i), depth + 1);
    g_object_unref(child);
  }
}

// The object at path ("2/0/13") below object, or null.
AtspiAccessible* objectAt(AtspiAccessible* object, const std::string& path) {
  AtspiAccessible* current = g_object_ref(object);
  std::size_t start = 0;
  while (current && start < path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    const int index = std::atoi(path.substr(start, end - start).c_str());
    AtspiAccessible* child = atspi_accessible_get_child_at_index(current, index, nullptr);
    g_object_unref(current);
    current = child;
    start = end + 1;
  }
  return current;
}

bool performAction(AtspiAccessible* object, const std::string& wanted) {
  AtspiAction* action = atspi_accessible_get_action_iface(object);
  if (!action) return false;
  bool done = false;
  const gint count = atspi_action_get_n_actions(action, nullptr);
  for (gint i = 0; i < count && !done; ++i) {
    if (take(atspi_action_get_name(action, i, nullptr)) == wanted)
      done = atspi_action_do_action(action, i, nullptr);
  }
  g_object_unref(action);
  return done;
}

// The events of one application, written as they come.
std::string watchedApplication;

void writeEvent(AtspiEvent* event, void*) {
  AtspiAccessible* app =
      event->source ? atspi_accessible_get_application(event->source, nullptr) : nullptr;
  const bool ours = app && nameOf(app) == watchedApplication;
  if (app) g_object_unref(app);
  if (ours) {
    std::string text;
    if (G_VALUE_HOLDS_STRING(&event->any_data))
      text = escaped(g_value_get_string(&event->any_data));
    std::fprintf(out, "%s\t%s\t%s\t%d\t%s\n", event->type, roleOf(event->source).c_str(),
                 nameOf(event->source).c_str(), event->detail1, text.c_str());
    std::fflush(out);
  }
  g_boxed_free(ATSPI_TYPE_EVENT, event);
}

// Sets a boolean property of org.a11y.Status on the session bus, which
// starts the accessibility bus when it is not running yet.
bool setStatus(DBusConnection* bus, const char* property) {
  DBusMessage* call = dbus_message_new_method_call("org.a11y.Bus", "/org/a11y/bus",
                                                   "org.freedesktop.DBus.Properties", "Set");
  const char* interface = "org.a11y.Status";
  DBusMessageIter args, variant;
  dbus_message_iter_init_append(call, &args);
  dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &interface);
  dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &property);
  dbus_message_iter_open_container(&args, DBUS_TYPE_VARIANT, "b", &variant);
  const dbus_bool_t on = TRUE;
  dbus_message_iter_append_basic(&variant, DBUS_TYPE_BOOLEAN, &on);
  dbus_message_iter_close_container(&args, &variant);
  DBusError error;
  dbus_error_init(&error);
  DBusMessage* reply = dbus_connection_send_with_reply_and_block(bus, call, 10000, &error);
  dbus_message_unref(call);
  if (!reply) {
    std::fprintf(out, "error\t%s\n", error.message ? error.message : "no reply");
    dbus_error_free(&error);
    return false;
  }
  dbus_message_unref(reply);
  return true;
}

int enable() {
  DBusError error;
  dbus_error_init(&error);
  DBusConnection* bus = dbus_bus_get(DBUS_BUS_SESSION, &error);
  if (!bus) {
    std::fprintf(out, "error\t%s\n", error.message ? error.message : "no session bus");
    dbus_error_free(&error);
    return 1;
  }
  const bool ok = setStatus(bus, "IsEnabled") && setStatus(bus, "ScreenReaderEnabled");
  if (ok) std::fprintf(out, "enabled\n");
  dbus_connection_unref(bus);
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: atspi_probe OUT enable|tree|do|watch ...\n");
    return 2;
  }
  out = std::fopen(argv[1], "w");
  if (!out) return 2;
  const std::string command = argv[2];
  if (command == "enable") return enable();
  if (argc < 4 || atspi_init() < 0) return 1;
  AtspiAccessible* app = findApplication(argv[3]);
  if (!app) {
    std::fprintf(out, "error\tno application %s\n", argv[3]);
    return 1;
  }
  if (command == "tree" && argc == 4) {
    writeTree(app, "", 0);
    return 0;
  }
  if (command == "tree" && argc == 5) {
    // Only the window named argv[4], with its path in the application.
    const gint count = atspi_accessible_get_child_count(app, nullptr);
    for (gint i = 0; i < count; ++i) {
      AtspiAccessible* window = atspi_accessible_get_child_at_index(app, i, nullptr);
      if (!window) continue;
      const bool wanted = nameOf(window) == argv[4];
      if (wanted) writeTree(window, std::to_string(i), 1);
      g_object_unref(window);
      if (wanted) return 0;
    }
    std::fprintf(out, "error\tno window %s\n", argv[4]);
    return 1;
  }
  if (command == "do" && argc == 6) {
    AtspiAccessible* object = objectAt(app, argv[4]);
    const bool done = object && performAction(object, argv[5]);
    std::fprintf(out, "%s\n",
                 done     ? "done"
                 : object ? "error\tno such action"
                          : "error\tno such object");
    return done ? 0 : 1;
  }
  if (command == "watch" && argc >= 5) {
    watchedApplication = argv[3];
    AtspiEventListener* listener = atspi_event_listener_new(writeEvent, nullptr, nullptr);
    for (int i = 4; i < argc; ++i)
      atspi_event_listener_register(listener, argv[i], nullptr);
    std::fprintf(out, "ready\n");
    std::fflush(out);
    atspi_event_main();
    return 0;
  }
  return 2;
}
