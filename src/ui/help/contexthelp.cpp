#include "ui/help/contexthelp.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWhatsThis>
#include <QWidget>

#include "ui/help/helpviewer.h"
#include "ui/platform/appfilter.h"
#include "ui/platform/helpcontext.h"

namespace paxamon {

namespace {

void closeMenus() {
  // Bounded: a pop-up that refuses to close must not hang the key.
  for (int i = 0; i < 16; ++i) {
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup) return;
    popup->close();
  }
}

class ContextHelpFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        return keyPress(watched, static_cast<QKeyEvent*>(event));
      case QEvent::WhatsThis:
      case QEvent::QueryWhatsThis:
        return whatsThis(watched, static_cast<QHelpEvent*>(event));
      default:
        return false;
    }
  }

 private:
  static bool keyPress(QObject* watched, QKeyEvent* event) {
    if (event->key() != Qt::Key_F1) return false;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ShiftModifier) {
      if (!QWhatsThis::inWhatsThisMode()) QWhatsThis::enterWhatsThisMode();
      return true;
    }
    if (modifiers != Qt::NoModifier) return false;

    // A highlighted menu item: its number, 0 when it has none.
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      QAction* item = menu->activeAction();
      const int context = helpContext(item ? item : menu->menuAction());
      const QRect area = item ? menu->actionGeometry(item) : menu->rect();
      const QPoint position = menu->mapToGlobal(area.bottomLeft());
      closeMenus();
      HelpViewer::instance().showContext(context, position);
      return true;
    }
    QWidget* focus = QApplication::focusWidget();
    if (!focus) focus = qobject_cast<QWidget*>(watched);
    if (!focus) return false;
    if (auto* bar = qobject_cast<QMenuBar*>(focus); bar && bar->activeAction()) {
      const QPoint position =
          bar->mapToGlobal(bar->actionGeometry(bar->activeAction()).bottomLeft());
      const int context = helpContext(bar->activeAction());
      closeMenus();
      HelpViewer::instance().showContext(context, position);
      return true;
    }
    if (handlesF1(focus)) return false;
    requestContextHelp(focus);
    return true;
  }

  static bool whatsThis(QObject* watched, QHelpEvent* event) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    const int context = widget ? effectiveHelpContext(widget) : 0;
    if (context == 0) return false;  // Qt asks the parents, which find none either
    if (event->type() == QEvent::WhatsThis) {
      // Whoever answers the click ends the mode, as QWhatsThis::showText does.
      QWhatsThis::leaveWhatsThisMode();
      HelpViewer::instance().showContext(context, event->globalPos());
    }
    event->accept();
    return true;
  }
};

}  // namespace

void installContextHelp() {
  installApplicationFilter<ContextHelpFilter>();
}

}  // namespace paxamon
