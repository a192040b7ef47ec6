// The window holds Unicode texts, the machine and the files Windows-1252
// bytes; these two functions are the crossing between them, on the core's
// codec.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace paxamon {

// Bytes the character set leaves undefined keep their code (U+0081 ...).
QString fromCellText(std::string_view bytes);

// A character Windows-1252 cannot hold becomes "?".
std::string toCellText(const QString& text);

}  // namespace paxamon
