#include "ui/platform/bitmaps.h"

#include <QFile>

// The resources are compiled into a static library: they are registered
// before the first picture is loaded.
static void initResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(resources);
    return true;
  }();
  (void)done;
}

namespace paxamon {

QImage loadPictureResource(const QString& name) {
  initResources();
  // Resource names are case-insensitive and kept in capitals; a name is
  // never a path into another resource folder.
  if (name.isEmpty() || name.contains('/') || name.contains('\\')) return {};
  const QString path = QLatin1String(kBitmapResourceRoot) + name.toUpper();
  if (!QFile::exists(path)) return {};
  return QImage(path);
}

QImage loadBitmapResource(const QString& name) {
  const QImage picture = loadPictureResource(name);
  if (picture.isNull()) return {};
  return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace paxamon
