// Bitmap resources of the program, loaded by name as the original platform
// loads them from the executable. Here they are pictures in Qt's resource
// system under ":/bitmaps/", one file per resource named after it in
// capitals (for example an alias "DOWN" for a picture kept as XPM text),
// all listed in src/ui/resources/resources.qrc.
#pragma once

#include <QImage>
#include <QString>

namespace paxamon {

// The resource folder the bitmaps are looked up in.
inline constexpr const char* kBitmapResourceRoot = ":/bitmaps/";

// The bitmap resource called name, compared without regard to case, as an
// opaque RGB picture (bitmaps have no alpha channel). A null picture when
// there is no such resource or it cannot be read.
QImage loadBitmapResource(const QString& name);

// The same picture with its transparent pixels (an icon).
QImage loadPictureResource(const QString& name);

}  // namespace paxamon
