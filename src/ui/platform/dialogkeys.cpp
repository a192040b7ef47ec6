#include "ui/platform/dialogkeys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QWindow>

#include "ui/platform/appfilter.h"
#include "ui/platform/drawing.h"

namespace paxamon {

namespace {

constexpr char kNeedAltProperty[] = "paxamonAccessKeysNeedAlt";

// Whether typed characters are input for the focused control: edit fields,
// and lists and combo boxes, which select by typing.
bool takesTypedCharacters(const QWidget* focus) {
  return focus->testAttribute(Qt::WA_InputMethodEnabled) ||
         qobject_cast<const QAbstractItemView*>(focus) || qobject_cast<const QComboBox*>(focus);
}

QChar accessKeyOf(const QWidget* control) {
  if (const auto* custom = dynamic_cast<const AccessKeyControl*>(control)) {
    return custom->accessKey();
  }
  if (const auto* button = qobject_cast<const QPushButton*>(control)) {
    return accelChar(button->text());
  }
  return {};
}

bool usable(const QWidget* control) {
  if (const auto* custom = dynamic_cast<const AccessKeyControl*>(control)) {
    return custom->acceptsAccessKey();
  }
  return control->isVisible() && control->isEnabled();
}

void activate(QWidget* control) {
  if (auto* custom = dynamic_cast<AccessKeyControl*>(control)) {
    custom->activateByAccessKey();
  } else if (auto* button = qobject_cast<QPushButton*>(control)) {
    button->click();
  }
}

QWidget* focusedWidgetFor(QObject* receiver) {
  if (receiver->isWidgetType()) return static_cast<QWidget*>(receiver);
  if (auto* handle = qobject_cast<QWindow*>(receiver)) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->windowHandle() == handle) return top->focusWidget() ? top->focusWidget() : top;
    }
  }
  return nullptr;
}

class AccessKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
      return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const QWidget* focus = focusedWidgetFor(receiver);
    if (focus && event->type() == QEvent::KeyPress && key->key() == Qt::Key_F10 &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        enterMenuMode(focus->window())) {
      return true;
    }
    QWidget* target = focus ? accessKeyTarget(focus, *key) : nullptr;
    if (!target) return false;
    // Claim the key before shortcuts and menus see it, then click.
    if (event->type() == QEvent::ShortcutOverride) {
      key->accept();
      return true;
    }
    activate(target);
    return true;
  }
};

}  // namespace

bool enterMenuMode(QWidget* window) {
  QMenuBar* bar =
      window ? window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  if (!bar || !bar->isVisible() || bar->actions().isEmpty()) return false;
  // Qt's menu bar enters menu mode when Alt alone goes down and up again
  // in its window: the focused control gets the same two key events.
  QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
  QCoreApplication::sendEvent(focus, &down);
  QKeyEvent up(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
  QCoreApplication::sendEvent(focus, &up);
  return bar->activeAction() != nullptr;
}

void installAccessKeys() {
  installApplicationFilter<AccessKeyFilter>();
}

void setAccessKeysNeedAlt(QWidget* window, bool needAlt) {
  if (window) window->setProperty(kNeedAltProperty, needAlt);
}

QWidget* accessKeyTarget(const QWidget* focus, const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  const int code = event.key();
  if (code <= 0x20 || code >= 0xFFFF) return nullptr;
  const QWidget* window = focus->window();
  if (mods == Qt::NoModifier) {
    if (window->property(kNeedAltProperty).toBool() || takesTypedCharacters(focus)) return nullptr;
  } else if (mods != Qt::AltModifier) {
    return nullptr;
  }
  const QChar letter = QChar(char16_t(code)).toCaseFolded();
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->window() != window) continue;
    const QChar key = accessKeyOf(control);
    if (!key.isNull() && key.toCaseFolded() == letter && usable(control)) return control;
  }
  return nullptr;
}

}  // namespace paxamon
