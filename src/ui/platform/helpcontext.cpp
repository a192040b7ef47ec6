#include "ui/platform/helpcontext.h"

#include <QAction>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QWidget>

namespace paxamon {

namespace {
constexpr char kContextProperty[] = "paxamonHelpContext";
constexpr char kHandlesF1Property[] = "paxamonHandlesF1";
}  // namespace

void setHelpContext(QWidget* widget, int context) {
  if (widget) widget->setProperty(kContextProperty, context);
}

int helpContext(const QWidget* widget) {
  return widget ? widget->property(kContextProperty).toInt() : 0;
}

void setHelpContext(QAction* action, int context) {
  if (action) action->setProperty(kContextProperty, context);
}

int helpContext(const QAction* action) {
  return action ? action->property(kContextProperty).toInt() : 0;
}

int effectiveHelpContext(const QWidget* widget) {
  for (; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
    if (const int context = helpContext(widget)) return context;
  }
  return 0;
}

void setHandlesF1(QWidget* widget, bool own) {
  if (widget) widget->setProperty(kHandlesF1Property, own);
}

bool handlesF1(const QWidget* widget) {
  for (; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
    if (widget->property(kHandlesF1Property).toBool()) return true;
  }
  return false;
}

void requestContextHelp(QWidget* widget) {
  if (!widget) return;
  const QPoint below(0, widget->height());
  QHelpEvent request(QEvent::WhatsThis, below, widget->mapToGlobal(below));
  QCoreApplication::sendEvent(widget, &request);
}

}  // namespace paxamon
