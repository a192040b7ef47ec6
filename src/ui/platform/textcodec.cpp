#include "ui/platform/textcodec.h"

#include "machine/codec.h"

namespace paxamon {

QString fromCellText(std::string_view bytes) {
  return QString::fromStdString(cp1252ToUtf8(bytes));
}

std::string toCellText(const QString& text) {
  return utf8ToCp1252(text.toStdString());
}

}  // namespace paxamon
