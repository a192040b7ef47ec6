#include "ui/platform/placement.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>

namespace paxamon {

namespace {

// --- X11: frame extents from the window manager ---------------------------

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_connection_t* x11Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// _NET_FRAME_EXTENTS of a window: left, right, top, bottom.
std::optional<QMargins> frameExtents(xcb_connection_t* c, xcb_window_t window) {
  const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      c, xcb_get_property(c, 0, window, atom(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0, 4),
      nullptr));
  if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) {
    return std::nullopt;
  }
  const auto* e = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
  return QMargins(static_cast<int>(e[0]), static_cast<int>(e[2]), static_cast<int>(e[1]),
                  static_cast<int>(e[3]));
}

xcb_window_t rootOf(xcb_connection_t* c, xcb_window_t window) {
  const Reply<xcb_get_geometry_reply_t> reply(
      xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
  return reply ? reply->root : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
}

bool supportedByWindowManager(xcb_connection_t* c, xcb_window_t root, xcb_atom_t wanted) {
  const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      c, xcb_get_property(c, 0, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096), nullptr));
  if (!reply || reply->format != 32) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  const int count = xcb_get_property_value_length(reply.get()) / 4;
  for (int i = 0; i < count; ++i) {
    if (atoms[i] == wanted) return true;
  }
  return false;
}

// Asks the window manager which frame it will give the window and waits
// briefly for the answer; nothing when it does not answer.
std::optional<QMargins> requestFrameExtents(xcb_connection_t* c, xcb_window_t window) {
  const xcb_window_t root = rootOf(c, window);
  const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
  if (root == XCB_WINDOW_NONE || !supportedByWindowManager(c, root, request)) return std::nullopt;
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = request;
  xcb_send_event(c, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(c);
  using namespace std::chrono_literals;
  const auto deadline = std::chrono::steady_clock::now() + 250ms;
  do {
    if (std::optional<QMargins> extents = frameExtents(c, window)) return extents;
    std::this_thread::sleep_for(2ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

// --- What is known without asking -----------------------------------------

// What Qt knows of the frame; empty until it has learnt it.
QMargins qtFrameMargins(const QWidget* window) {
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

QMargins knownMargins(const QWidget* window) {
  if (xcb_connection_t* c = x11Connection(); c && window->internalWinId()) {
    if (std::optional<QMargins> extents =
            frameExtents(c, static_cast<xcb_window_t>(window->internalWinId()))) {
      return *extents;
    }
  }
  return qtFrameMargins(window);
}

}  // namespace

QMargins frameMargins(QWidget* window, const QWidget* standIn) {
  if (xcb_connection_t* c = x11Connection()) {
    const auto id = static_cast<xcb_window_t>(window->winId());
    if (std::optional<QMargins> extents = frameExtents(c, id)) return *extents;
    if (std::optional<QMargins> extents = requestFrameExtents(c, id)) return *extents;
  }
  const QMargins own = qtFrameMargins(window);
  if (!own.isNull() || !standIn) return own;
  return knownMargins(standIn);
}

QRect outerFrame(const QWidget* window) {
  return window->geometry().marginsAdded(knownMargins(window));
}

void placeFrame(QWidget* window, QPoint frameTopLeft, const QMargins& frame) {
  window->setGeometry(
      QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window->geometry().size()));
}

void centreOnScreen(QWidget* window, const QScreen* screen) {
  if (!screen) screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const QMargins frame = frameMargins(window);
  const QSize outer = window->geometry().size().grownBy(frame);
  placeFrame(window,
             area.topLeft() +
                 QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2),
             frame);
}

}  // namespace paxamon
