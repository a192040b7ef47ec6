// Fonts as the windows describe them: a face name of the original platform,
// a character height in pixels and a style. The faces are replaced by
// installed ones through one table.
#pragma once

#include <QFont>
#include <QString>

namespace paxamon {

struct FontStyles {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

// The installed face that stands in for a face name used by the windows
// ("MS Sans Serif" -> "Liberation Sans" ...). Names not in the table are
// returned unchanged. Compared without regard to case.
QString substituteFace(const QString& face);

// A font of the substituted face whose size is given in pixels, as the
// windows give it.
QFont makeFont(const QString& face, int pixelHeight, FontStyles styles = {});

}  // namespace paxamon
