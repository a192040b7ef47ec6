#include "ui/platform/textcodec.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace paxamon {

namespace {
constexpr char kSubstitute = 0x1A;  // what the encoder puts for a missing character
}

QString fromCellText(std::string_view bytes) {
  QStringDecoder decoder("windows-1252");
  return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string toCellText(const QString& text) {
  QStringEncoder encoder("windows-1252");
  const QByteArray encoded = encoder(text);
  // One byte per code point: a substitute byte stands for a character the
  // set cannot hold, unless the text itself held that control character.
  std::string bytes(encoded.constData(), static_cast<std::size_t>(encoded.size()));
  std::size_t i = 0;
  for (const uint codePoint : text.toUcs4()) {
    if (i < bytes.size() && bytes[i] == kSubstitute && codePoint != 0x1A) bytes[i] = '?';
    ++i;
  }
  return bytes;
}

}  // namespace paxamon
