#include "desktop.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

// Xlib defines macros (Bool, Status, None) that clash with Qt and
// GoogleTest, so it comes last.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace paxamon::e2e {

namespace {

// Windows vanish while they are looked at; such errors are expected.
int ignoreXErrors(Display*, XErrorEvent*) {
  return 0;
}

// Forks and executes argv with env; the child dies with the test, so a
// killed test leaves no server behind. keepFd stays open in the child.
pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            const std::string& cwd, const std::string& log, int keepFd = -1) {
  std::vector<char*> args;
  for (const std::string& a : argv)
    args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  std::vector<char*> envp;
  for (const std::string& e : env)
    envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);

  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid != 0) return pid;
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent) _exit(127);
  setpgid(0, 0);
  const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (out >= 0) {
    dup2(out, 1);
    dup2(out, 2);
  }
  const int in = open("/dev/null", O_RDONLY);
  if (in >= 0) dup2(in, 0);
  for (int fd = 3; fd < 1024; ++fd) {
    if (fd != keepFd) close(fd);
  }
  if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(126);
  execvpe(args[0], args.data(), envp.data());
  _exit(127);
}

std::string makeFolder(const std::string& path, mode_t mode = 0755) {
  std::filesystem::create_directories(path);
  chmod(path.c_str(), mode);
  return path;
}

std::string readWhole(const std::filesystem::path& path) {
  std::string text;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
      text.append(buffer, n);
    std::fclose(f);
  }
  return text;
}

// The first line a child writes to the pipe fd (without its line end), or
// an empty text when none comes within 10 seconds. Closes fd.
std::string readLine(int fd) {
  std::string text;
  pollfd waiting{fd, POLLIN, 0};
  while (text.find('\n') == std::string::npos && poll(&waiting, 1, 10000) > 0) {
    char buffer[256];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  const std::size_t end = text.find('\n');
  return end == std::string::npos ? std::string() : text.substr(0, end);
}

}  // namespace

bool waitUntil(const std::function<bool()>& condition, Duration timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(20ms);
  }
}

void pause(Duration time) {
  std::this_thread::sleep_for(time);
}

// --- Process -----------------------------------------------------------------

bool Process::running() {
  if (pid_ <= 0 || reaped_) return false;
  const pid_t r = waitpid(pid_, &status_, WNOHANG);
  if (r == pid_) reaped_ = true;
  return !reaped_;
}

bool Process::waitForExit(Duration timeout) {
  return waitUntil([this] { return !running(); }, timeout);
}

void Process::end() {
  if (!running()) return;
  kill(pid_, SIGTERM);
  if (waitForExit(2000ms)) return;
  kill(pid_, SIGKILL);
  waitForExit(2000ms);
}

// --- Desktop -----------------------------------------------------------------

Desktop::Desktop() {
  char pattern[] = "/tmp/paxamon-e2e-XXXXXX";
  if (!mkdtemp(pattern)) {
    ADD_FAILURE() << "no temporary folder";
    return;
  }
  folder_ = pattern;
  home_ = makeFolder(folder_ + "/home");
  runtime_ = makeFolder(folder_ + "/run", 0700);

  // The server picks a free display and writes its number to the pipe once
  // it accepts connections.
  int pipeFds[2];
  if (pipe(pipeFds) != 0) {
    ADD_FAILURE() << "no pipe";
    return;
  }
  fcntl(pipeFds[0], F_SETFD, FD_CLOEXEC);
  server_ =
      Process(spawn({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0",
                     std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24",
                     "-nolisten", "tcp", "-noreset"},
                    {"PATH=/usr/bin:/bin"}, folder_, folder_ + "/xvfb.log", pipeFds[1]));
  close(pipeFds[1]);
  const std::string number = readLine(pipeFds[0]);
  if (number.empty()) {
    ADD_FAILURE() << "Xvfb did not start (is it installed? scripts/setup.sh)";
    return;
  }
  displayName_ = ":" + number;

  XSetErrorHandler(ignoreXErrors);
  waitUntil([this] { return (display_ = XOpenDisplay(displayName_.c_str())) != nullptr; }, 5000ms);
  if (!display_) {
    ADD_FAILURE() << "cannot open display " << displayName_;
    return;
  }
  int event, error, major, minor;
  if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
    ADD_FAILURE() << "the X server has no XTEST extension";
  }

  windowManager_ = Process(spawn({"openbox", "--sm-disable"},
                                 {"PATH=/usr/bin:/bin", "DISPLAY=" + displayName_, "HOME=" + home_,
                                  "XDG_RUNTIME_DIR=" + runtime_, "LANG=C.UTF-8"},
                                 folder_, folder_ + "/openbox.log"));
  const bool managed = waitUntil(
      [this] { return !numbers(DefaultRootWindow(display_), "_NET_SUPPORTING_WM_CHECK").empty(); },
      10000ms);
  if (!managed) ADD_FAILURE() << "openbox did not start (is it installed? scripts/setup.sh)";
}

Desktop::~Desktop() {
  for (Process& p : programs_)
    p.end();
  bus_.end();
  if (display_) XCloseDisplay(display_);
  windowManager_.end();
  server_.end();
  // What the programs printed helps to understand a failure.
  if (::testing::Test::HasFailure() && !folder_.empty()) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, ignored)) {
      if (entry.path().extension() != ".log") continue;
      const std::string text = readWhole(entry.path());
      if (text.empty()) continue;
      std::fprintf(stderr, "--- %s (last 4000 bytes)\n%s\n", entry.path().filename().c_str(),
                   text.substr(text.size() > 4000 ? text.size() - 4000 : 0).c_str());
    }
  }
  if (!folder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
}

Process& Desktop::start(const std::vector<std::string>& argv, const std::string& cwd,
                        const std::vector<std::string>& extraEnv) {
  std::vector<std::string> env = {"PATH=/usr/bin:/bin", "DISPLAY=" + displayName_,
                                  "HOME=" + home_,      "XDG_RUNTIME_DIR=" + runtime_,
                                  "LANG=C.UTF-8",       "QT_QPA_PLATFORM=xcb"};
  if (!sessionBus_.empty()) env.push_back("DBUS_SESSION_BUS_ADDRESS=" + sessionBus_);
  for (const std::string& extra : extraEnv) {
    const std::string name = extra.substr(0, extra.find('='));
    std::erase_if(env, [&](const std::string& e) { return e.substr(0, e.find('=')) == name; });
    if (extra.find('=') != std::string::npos) env.push_back(extra);
  }
  const std::string log =
      folder_ + "/" + std::filesystem::path(argv.front()).filename().string() + ".log";
  programs_.emplace_back(spawn(argv, env, cwd, log));
  return programs_.back();
}

bool Desktop::startSessionBus() {
  if (!sessionBus_.empty()) return true;
  // The bus writes its address to the pipe once it accepts connections.
  int pipeFds[2];
  if (!display_ || pipe(pipeFds) != 0) return false;
  fcntl(pipeFds[0], F_SETFD, FD_CLOEXEC);
  bus_ = Process(spawn(
      {"dbus-daemon", "--session", "--nofork", "--print-address=" + std::to_string(pipeFds[1])},
      {"PATH=/usr/bin:/bin", "DISPLAY=" + displayName_, "HOME=" + home_,
       "XDG_RUNTIME_DIR=" + runtime_, "LANG=C.UTF-8"},
      folder_, folder_ + "/dbus.log", pipeFds[1]));
  close(pipeFds[1]);
  const std::string address = readLine(pipeFds[0]);
  if (address.empty()) return false;
  sessionBus_ = address;
  return true;
}

unsigned long Desktop::atom(const char* name) {
  return XInternAtom(display_, name, False);
}

void Desktop::sync() {
  XSync(display_, False);
}

std::vector<unsigned long> Desktop::numbers(WindowId window, const char* property) {
  std::vector<unsigned long> result;
  Atom type;
  int format;
  unsigned long count, rest;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display_, window, atom(property), 0, 1 << 20, False, AnyPropertyType,
                         &type, &format, &count, &rest, &data) == Success &&
      data && format == 32) {
    // Xlib hands 32-bit items out as longs.
    const auto* items = reinterpret_cast<const unsigned long*>(data);
    result.assign(items, items + count);
  }
  if (data) XFree(data);
  return result;
}

QString Desktop::title(WindowId window) {
  Atom type;
  int format;
  unsigned long count, rest;
  unsigned char* data = nullptr;
  QString text;
  if (XGetWindowProperty(display_, window, atom("_NET_WM_NAME"), 0, 1024, False,
                         atom("UTF8_STRING"), &type, &format, &count, &rest, &data) == Success &&
      data && format == 8) {
    text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
  }
  if (data) XFree(data);
  return text;
}

bool Desktop::isMapped(WindowId window) {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable;
}

std::vector<WindowId> Desktop::clientWindows() {
  std::vector<WindowId> mapped;
  for (WindowId w : numbers(DefaultRootWindow(display_), "_NET_CLIENT_LIST")) {
    if (isMapped(w)) mapped.push_back(w);
  }
  return mapped;
}

WindowId Desktop::findWindow(const QString& wanted) {
  for (WindowId w : clientWindows()) {
    if (title(w) == wanted) return w;
  }
  return 0;
}

WindowId Desktop::waitForWindow(const QString& wanted, Duration timeout) {
  WindowId found = 0;
  waitUntil([&] { return (found = findWindow(wanted)) != 0; }, timeout);
  return found;
}

bool Desktop::waitForNoWindow(const QString& wanted, Duration timeout) {
  return waitUntil([&] { return findWindow(wanted) == 0; }, timeout);
}

std::vector<WindowId> Desktop::unmanagedWindows() {
  std::vector<WindowId> found;
  Window root, parent;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
    for (unsigned int i = 0; i < count; ++i) {
      XWindowAttributes a;
      if (XGetWindowAttributes(display_, children[i], &a) && a.map_state == IsViewable &&
          a.override_redirect) {
        found.push_back(children[i]);
      }
    }
  }
  if (children) XFree(children);
  return found;
}

QRect Desktop::clientRect(WindowId window) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(display_, window, &a)) return {};
  int x = 0, y = 0;
  Window child;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
  return {x, y, a.width, a.height};
}

QRect Desktop::frameRect(WindowId window) {
  const QRect client = clientRect(window);
  const std::vector<unsigned long> e = numbers(window, "_NET_FRAME_EXTENTS");
  if (e.size() != 4) return client;
  const int left = static_cast<int>(e[0]), right = static_cast<int>(e[1]);
  const int top = static_cast<int>(e[2]), bottom = static_cast<int>(e[3]);
  return client.adjusted(-left, -top, right, bottom);
}

QRect Desktop::settledFrame(WindowId window, Duration timeout) {
  QRect last = frameRect(window);
  auto since = std::chrono::steady_clock::now();
  waitUntil(
      [&] {
        const QRect now = frameRect(window);
        if (now != last) {
          last = now;
          since = std::chrono::steady_clock::now();
          return false;
        }
        return std::chrono::steady_clock::now() - since >= 300ms;
      },
      timeout);
  return last;
}

void Desktop::watchMaps(WindowId window) {
  XSelectInput(display_, window, StructureNotifyMask);
  sync();
  maps_[window] = 0;
}

int Desktop::mapCount(WindowId window) {
  sync();
  while (XPending(display_)) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == MapNotify) ++maps_[event.xmap.window];
  }
  return maps_[window];
}

WindowId Desktop::waitForShownAgain(const QString& wanted, WindowId previous, Duration timeout) {
  WindowId found = 0;
  waitUntil(
      [&] {
        found = findWindow(wanted);
        return found != 0 && (found != previous || mapCount(previous) > 0);
      },
      timeout);
  return found != 0 && (found != previous || mapCount(previous) > 0) ? found : 0;
}

WindowId Desktop::activeWindow() {
  const std::vector<unsigned long> active =
      numbers(DefaultRootWindow(display_), "_NET_ACTIVE_WINDOW");
  return active.empty() ? 0 : active.front();
}

bool Desktop::waitForActive(WindowId window, Duration timeout) {
  return waitUntil([&] { return activeWindow() == window; }, timeout);
}

QImage Desktop::icon(WindowId window, int size) {
  const std::vector<unsigned long> data = numbers(window, "_NET_WM_ICON");
  // Entries: width, height, then width * height ARGB pixels.
  for (std::size_t i = 0; i + 2 <= data.size();) {
    const std::size_t w = data[i], h = data[i + 1];
    if (w == 0 || h == 0 || i + 2 + w * h > data.size()) break;
    if (static_cast<int>(w) == size && static_cast<int>(h) == size) {
      QImage picture(size, size, QImage::Format_ARGB32);
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          picture.setPixel(x, y,
                           static_cast<QRgb>(data[i + 2 + static_cast<std::size_t>(y * size + x)]));
        }
      }
      return picture;
    }
    i += 2 + w * h;
  }
  return {};
}

// --- Input ---------------------------------------------------------------------

void Desktop::sendKey(unsigned int keycode, bool down) {
  XTestFakeKeyEvent(display_, keycode, down ? True : False, CurrentTime);
  sync();
}

void Desktop::key(const std::string& combo) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t plus; (plus = combo.find('+', start + 1)) != std::string::npos;
       start = plus + 1) {
    parts.push_back(combo.substr(start, plus - start));
  }
  parts.push_back(combo.substr(start));
  const std::string name = parts.back();
  parts.pop_back();

  KeySym symbol = XStringToKeysym(name.c_str());
  if (symbol == NoSymbol && name.size() == 1) symbol = static_cast<unsigned char>(name[0]);
  const KeyCode code = XKeysymToKeycode(display_, symbol);
  if (code == 0) {
    ADD_FAILURE() << "no key for " << name;
    return;
  }
  std::vector<KeySym> modifiers;
  for (const std::string& m : parts) {
    if (m == "ctrl") modifiers.push_back(XK_Control_L);
    if (m == "alt") modifiers.push_back(XK_Alt_L);
    if (m == "shift") modifiers.push_back(XK_Shift_L);
  }
  // A symbol on the shifted level of its key needs Shift.
  if (XkbKeycodeToKeysym(display_, code, 0, 0) != symbol &&
      XkbKeycodeToKeysym(display_, code, 0, 1) == symbol) {
    modifiers.push_back(XK_Shift_L);
  }
  for (KeySym m : modifiers)
    sendKey(XKeysymToKeycode(display_, m), true);
  sendKey(code, true);
  sendKey(code, false);
  for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m)
    sendKey(XKeysymToKeycode(display_, *m), false);
  pause(15ms);
}

void Desktop::type(const std::string& text) {
  for (char c : text) {
    if (c == ' ') {
      key("space");
    } else if (c == '\n') {
      key("Return");
    } else {
      key(std::string(1, c));
    }
  }
}

void Desktop::moveMouse(QPoint screen) {
  XTestFakeMotionEvent(display_, -1, screen.x(), screen.y(), CurrentTime);
  sync();
  pause(15ms);
}

void Desktop::press(int button) {
  XTestFakeButtonEvent(display_, static_cast<unsigned int>(button), True, CurrentTime);
  sync();
}

void Desktop::release(int button) {
  XTestFakeButtonEvent(display_, static_cast<unsigned int>(button), False, CurrentTime);
  sync();
}

void Desktop::click(QPoint screen, int button) {
  moveMouse(screen);
  press(button);
  pause(20ms);
  release(button);
  pause(30ms);
}

void Desktop::drag(QPoint from, QPoint to) {
  moveMouse(from);
  press(1);
  pause(50ms);
  constexpr int kSteps = 10;
  for (int i = 1; i <= kSteps; ++i) {
    moveMouse(from + (to - from) * i / kSteps);
    pause(20ms);
  }
  release(1);
  pause(100ms);
}

int Desktop::dropFiles(WindowId target, QPoint screen, const std::vector<std::string>& paths) {
  // The source: a window of our own that owns the drag's selection and
  // hands out the file list when the target asks for it.
  const Window root = DefaultRootWindow(display_);
  const Window source = XCreateSimpleWindow(display_, root, 0, 0, 1, 1, 0, 0, 0);
  const Atom selection = atom("XdndSelection"), uriList = atom("text/uri-list");
  XSetSelectionOwner(display_, selection, source, CurrentTime);
  std::string uris;
  for (const std::string& path : paths)
    uris += "file://" + path + "\r\n";

  const auto send = [&](const char* type, long l1, long l2, long l3, long l4) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = atom(type);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(source);
    event.xclient.data.l[1] = l1;
    event.xclient.data.l[2] = l2;
    event.xclient.data.l[3] = l3;
    event.xclient.data.l[4] = l4;
    XSendEvent(display_, target, False, NoEventMask, &event);
    XFlush(display_);
  };
  // Serves requests for the file list; true once the awaited message came.
  const auto serveUntil = [&](const char* awaited, long* answer, Duration timeout) {
    return waitUntil(
        [&] {
          while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == SelectionRequest) {
              const XSelectionRequestEvent& request = event.xselectionrequest;
              XEvent reply{};
              reply.xselection.type = SelectionNotify;
              reply.xselection.requestor = request.requestor;
              reply.xselection.selection = request.selection;
              reply.xselection.target = request.target;
              reply.xselection.time = request.time;
              reply.xselection.property = None;
              if (request.target == uriList) {
                XChangeProperty(display_, request.requestor, request.property, uriList, 8,
                                PropModeReplace,
                                reinterpret_cast<const unsigned char*>(uris.data()),
                                static_cast<int>(uris.size()));
                reply.xselection.property = request.property;
              }
              XSendEvent(display_, request.requestor, False, NoEventMask, &reply);
              XFlush(display_);
            } else if (event.type == ClientMessage && event.xclient.message_type == atom(awaited)) {
              if (answer) *answer = event.xclient.data.l[1];
              return true;
            }
          }
          return false;
        },
        timeout);
  };

  constexpr long kVersion = 5;
  send("XdndEnter", kVersion << 24, static_cast<long>(uriList), 0, 0);
  send("XdndPosition", 0, (static_cast<long>(screen.x()) << 16) | screen.y(), CurrentTime,
       static_cast<long>(atom("XdndActionCopy")));
  long status = 0;
  int accepted = -1;
  if (serveUntil("XdndStatus", &status, 3000ms)) {
    accepted = (status & 1) ? 1 : 0;
    if (accepted) {
      send("XdndDrop", 0, CurrentTime, 0, 0);
      serveUntil("XdndFinished", nullptr, 3000ms);
    } else {
      send("XdndLeave", 0, 0, 0, 0);
    }
  }
  XDestroyWindow(display_, source);
  XFlush(display_);
  return accepted;
}

// --- Screen --------------------------------------------------------------------

QImage Desktop::grab(const QRect& area) {
  XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.x(), area.y(),
                            static_cast<unsigned>(area.width()),
                            static_cast<unsigned>(area.height()), AllPlanes, ZPixmap);
  if (!image) return {};
  QImage picture(area.size(), QImage::Format_RGB32);
  for (int y = 0; y < area.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < area.width(); ++x)
      line[x] = 0xFF000000u | static_cast<QRgb>(XGetPixel(image, x, y));
  }
  XDestroyImage(image);
  return picture;
}

bool Desktop::showsText(const QRect& area, const QString& text, Duration timeout) {
  return waitUntil([&] { return containsRoughly(readText(grab(area)), text); }, timeout);
}

void Desktop::shot(const std::string& name) {
  const char* folder = std::getenv("PAXAMON_E2E_SHOTS");
  if (!folder || !*folder) return;
  std::filesystem::create_directories(folder);
  grab().save(QString::fromStdString(std::string(folder) + "/" + name + ".png"));
}

// --- Text ------------------------------------------------------------------------

QString readText(const QImage& picture) {
  char pattern[] = "/tmp/paxamon-ocr-XXXXXX";
  if (!mkdtemp(pattern)) return {};
  const std::string folder = pattern;
  const std::string file = folder + "/text.png";
  // Dark text on light ground, three times the size, reads best.
  QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
  long sum = 0;
  for (int y = 0; y < grey.height(); ++y) {
    for (int x = 0; x < grey.width(); ++x)
      sum += grey.constScanLine(y)[x];
  }
  if (grey.width() * grey.height() > 0 && sum / (grey.width() * grey.height()) < 128) {
    grey.invertPixels();
  }
  grey.scaled(grey.size() * 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .save(QString::fromStdString(file));
  const std::string command = "tesseract '" + file + "' stdout -l deu --psm 6 2>/dev/null";
  QString text;
  if (std::FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::string out;
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
      out.append(buffer, n);
    pclose(pipe);
    text = QString::fromUtf8(out);
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return text.simplified();
}

bool containsRoughly(const QString& text, const QString& expected) {
  auto squeeze = [](const QString& s) {
    QString out = s.toLower();
    out.remove(QRegularExpression(QStringLiteral("\\s")));
    return out;
  };
  const QString hay = squeeze(text), needle = squeeze(expected);
  if (needle.isEmpty()) return true;
  const int allowed = static_cast<int>(needle.size()) / 10;
  // Edit distance of the needle against every substring of the text.
  std::vector<int> previous(static_cast<std::size_t>(needle.size()) + 1);
  std::vector<int> current(previous.size());
  for (std::size_t j = 0; j < previous.size(); ++j)
    previous[j] = static_cast<int>(j);
  int best = previous.back();
  for (QChar c : hay) {
    current[0] = 0;
    for (std::size_t j = 1; j < previous.size(); ++j) {
      const int cost = needle[static_cast<qsizetype>(j - 1)] == c ? 0 : 1;
      current[j] = std::min({previous[j - 1] + cost, previous[j] + 1, current[j - 1] + 1});
    }
    best = std::min(best, current.back());
    std::swap(previous, current);
  }
  return best <= allowed;
}

}  // namespace paxamon::e2e
