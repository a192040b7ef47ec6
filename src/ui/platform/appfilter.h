// Application-wide event handling of the platform layer (access keys,
// activation, context help): one filter object of a kind per application.
#pragma once

#include <QCoreApplication>
#include <QPointer>

namespace paxamon {

// Installs a Filter (a QObject constructed with its parent) on the
// application, once; later calls do nothing.
template <typename Filter>
void installApplicationFilter() {
  static QPointer<Filter> filter;
  if (filter || !qApp) return;
  filter = new Filter(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace paxamon
