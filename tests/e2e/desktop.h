// A private X desktop for end-to-end tests: a virtual X server (Xvfb) with
// a real window manager (openbox), the program started on it as a user
// would start it, real keyboard and mouse input through the XTEST
// extension, and what a user sees read back from the server: windows by
// title, their outer frames, window-manager properties and screen pixels.
//
// Every test gets its own server, so tests run in parallel without
// stealing each other's focus. Every wait has a deadline: a program that
// freezes fails the test instead of hanging it.
#pragma once

#include <sys/types.h>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

typedef struct _XDisplay Display;

// Readable failure messages for the geometry the tests compare.
inline void PrintTo(const QPoint& p, std::ostream* out) {
  *out << "(" << p.x() << ", " << p.y() << ")";
}
inline void PrintTo(const QSize& s, std::ostream* out) {
  *out << s.width() << " x " << s.height();
}
inline void PrintTo(const QString& s, std::ostream* out) {
  *out << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QRect& r, std::ostream* out) {
  *out << "(" << r.x() << ", " << r.y() << ") " << r.width() << " x " << r.height();
}

namespace paxamon::e2e {

using Duration = std::chrono::milliseconds;
using namespace std::chrono_literals;

// Polls condition every 20 ms until it holds or timeout has passed;
// returns whether it held.
bool waitUntil(const std::function<bool()>& condition, Duration timeout = 5000ms);

// Sleeps for the given time.
void pause(Duration time);

// X window ids.
using WindowId = unsigned long;

// A child process started by the desktop, ended by its PID when the desktop
// goes (or earlier, by the test).
class Process {
 public:
  Process() = default;
  explicit Process(pid_t pid) : pid_(pid) {}
  pid_t pid() const { return pid_; }
  bool running();
  // Waits until the process has ended; true when it did within timeout.
  bool waitForExit(Duration timeout);
  int exitStatus() const { return status_; }  // as waitpid reports it
  // SIGTERM, then SIGKILL after a short grace.
  void end();

 private:
  pid_t pid_ = -1;
  bool reaped_ = false;
  int status_ = 0;
};

class Desktop {
 public:
  static constexpr int kScreenWidth = 1280;
  static constexpr int kScreenHeight = 1024;

  // Starts the server and the window manager and waits until both are
  // ready. A desktop that cannot start fails the current test.
  Desktop();
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  bool ready() const { return display_ != nullptr; }
  Display* display() const { return display_; }
  // A private folder for the test's files, removed with the desktop.
  const std::string& folder() const { return folder_; }

  // Starts a program on this desktop with a clean environment (DISPLAY,
  // HOME, XDG_RUNTIME_DIR, PATH, LANG=C.UTF-8, QT_QPA_PLATFORM=xcb, and the
  // session bus once there is one; changed by extra "NAME=value" entries,
  // "NAME" alone removes it) in the working folder cwd.
  Process& start(const std::vector<std::string>& argv, const std::string& cwd,
                 const std::vector<std::string>& extraEnv = {});

  // Starts a D-Bus session bus of this desktop's own, for programs started
  // afterwards; the services it starts on demand (the accessibility bus)
  // end with it. Returns whether it runs.
  bool startSessionBus();

  // --- Windows -----------------------------------------------------------
  // The managed, mapped windows (the window manager's client list).
  std::vector<WindowId> clientWindows();
  // The first mapped client whose title is title, or 0.
  WindowId findWindow(const QString& title);
  // Waits until a mapped client titled title exists; 0 after timeout.
  WindowId waitForWindow(const QString& title, Duration timeout = 5000ms);
  // Waits until no mapped client titled title is left.
  bool waitForNoWindow(const QString& title, Duration timeout = 5000ms);
  // Mapped windows that the window manager does not manage (menus,
  // pop-ups, tool tips), top-level children of the root window.
  std::vector<WindowId> unmanagedWindows();
  bool isMapped(WindowId window);

  QString title(WindowId window);
  // The window's client area in screen coordinates.
  QRect clientRect(WindowId window);
  // The outer frame: the client area grown by the window manager's frame
  // extents.
  QRect frameRect(WindowId window);
  // The frame once it has stopped changing (unchanged for 300 ms).
  QRect settledFrame(WindowId window, Duration timeout = 3000ms);
  // Counts how often window is mapped from the call of watchMaps on (a
  // dialog shown again is mapped again).
  void watchMaps(WindowId window);
  int mapCount(WindowId window);
  // After watchMaps(previous): waits for the next showing of a window titled
  // title, either previous mapped again or a new window; 0 after timeout.
  WindowId waitForShownAgain(const QString& title, WindowId previous, Duration timeout = 5000ms);
  // The middle of the close button in the title bar of an outer frame.
  static QPoint closeButton(const QRect& frame) { return {frame.right() - 10, frame.top() + 10}; }
  WindowId activeWindow();
  bool waitForActive(WindowId window, Duration timeout = 5000ms);
  // A 32-bit property as a list of numbers (CARDINAL, ATOM, WINDOW).
  std::vector<unsigned long> numbers(WindowId window, const char* property);
  // The window's icon in the given size from _NET_WM_ICON, or a null image.
  QImage icon(WindowId window, int size);

  // --- Input ---------------------------------------------------------------
  // A key with modifiers, written as "ctrl+s", "alt+F4", "Return", "F9",
  // "shift+F1", "Escape", "v" (X key names).
  void key(const std::string& combo);
  // Types plain ASCII text.
  void type(const std::string& text);
  void moveMouse(QPoint screen);
  void click(QPoint screen, int button = 1);
  void press(int button);
  void release(int button);
  // Drags with the left button from one point to another in small steps.
  void drag(QPoint from, QPoint to);
  // Drops files on a window at a point, as a file manager does (the XDND
  // protocol, offering text/uri-list). Returns whether the window accepted
  // the drop (it may still decline while it goes on); -1 when it did not
  // answer.
  int dropFiles(WindowId target, QPoint screen, const std::vector<std::string>& paths);

  // --- Screen -------------------------------------------------------------
  QImage grab(const QRect& area = QRect(0, 0, kScreenWidth, kScreenHeight));
  // Whether text can be read (roughly, see containsRoughly) in area within
  // timeout: a window just shown may not be painted yet.
  bool showsText(const QRect& area, const QString& text, Duration timeout = 5000ms);
  bool showsText(WindowId window, const QString& text, Duration timeout = 5000ms) {
    return showsText(clientRect(window), text, timeout);
  }

  // Saves a picture of the whole screen to $PAXAMON_E2E_SHOTS/name.png when
  // that variable is set (for looking at a scenario by hand).
  void shot(const std::string& name);

 private:
  unsigned long atom(const char* name);
  void sync();
  void sendKey(unsigned int keycode, bool down);

  std::string folder_, home_, runtime_;
  std::string displayName_;
  std::string sessionBus_;  // its address
  Display* display_ = nullptr;
  Process server_;
  Process windowManager_;
  Process bus_;
  std::deque<Process> programs_;
  std::map<WindowId, int> maps_;
};

// The text in a screen picture, read by OCR (tesseract, German), with runs
// of white space made single blanks. Pictures are enlarged first, since
// interface text is small.
QString readText(const QImage& picture);

// Whether text contains expected, ignoring case and white space and
// allowing one wrong character in ten (OCR is not exact).
bool containsRoughly(const QString& text, const QString& expected);

}  // namespace paxamon::e2e
