#include "ui/platform/activation.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "ui/platform/appfilter.h"

namespace paxamon {

namespace {

constexpr int kGrace = 200;  // milliseconds

class OwnerActivation : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Hide || !watched->isWidgetType()) return false;
    const auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || !window->isModal() || !window->parentWidget()) return false;
    // The window manager usually activates the owner itself; only when a
    // moment later no window is active (and no other modal window is up:
    // the next step dialog, a box over a box) is it asked to.
    QPointer<QWidget> owner = window->parentWidget()->window();
    QTimer::singleShot(kGrace, owner, [owner] {
      if (owner && owner->isVisible() && !QApplication::activeModalWidget() &&
          !QApplication::activeWindow()) {
        owner->activateWindow();
      }
    });
    return false;
  }
};

}  // namespace

void installOwnerActivation() {
  installApplicationFilter<OwnerActivation>();
}

}  // namespace paxamon
