#include "ui/platform/fonts.h"

#include <array>

namespace paxamon {

namespace {

struct Substitute {
  const char* face;
  const char* installed;
  QFont::StyleHint hint;
};

constexpr std::array<Substitute, 5> substitutes = {{
    {"MS Sans Serif", "Liberation Sans", QFont::SansSerif},
    {"Arial", "Liberation Sans", QFont::SansSerif},
    {"Courier", "Liberation Mono", QFont::TypeWriter},
    {"Courier New", "Liberation Mono", QFont::TypeWriter},
    {"Comic Sans MS", "Comic Neue", QFont::Cursive},
}};

const Substitute* findSubstitute(const QString& face) {
  for (const Substitute& s : substitutes)
    if (face.compare(QLatin1String(s.face), Qt::CaseInsensitive) == 0) return &s;
  return nullptr;
}

}  // namespace

QString substituteFace(const QString& face) {
  const Substitute* s = findSubstitute(face);
  return s ? QString::fromLatin1(s->installed) : face;
}

QFont makeFont(const QString& face, int pixelHeight, FontStyles styles) {
  QFont font(substituteFace(face));
  if (const Substitute* s = findSubstitute(face)) {
    font.setStyleHint(s->hint);
    font.setFixedPitch(s->hint == QFont::TypeWriter);
  }
  if (pixelHeight > 0) font.setPixelSize(pixelHeight);
  font.setBold(styles.bold);
  font.setItalic(styles.italic);
  font.setUnderline(styles.underline);
  font.setStrikeOut(styles.strikeOut);
  return font;
}

}  // namespace paxamon
