#include "ui/platform/bitmaps.h"

#include <QFile>

namespace paxamon {

QImage loadBitmapResource(const QString& name) {
  // Resource names are case-insensitive and kept in capitals; a name is
  // never a path into another resource folder.
  if (name.isEmpty() || name.contains('/') || name.contains('\\')) return {};
  const QString path = QLatin1String(kBitmapResourceRoot) + name.toUpper();
  if (!QFile::exists(path)) return {};
  const QImage picture(path);
  if (picture.isNull()) return {};
  return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace paxamon
