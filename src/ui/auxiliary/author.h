// The program's author, named by the about box and the credits roll.
#pragma once

#include <QString>

namespace paxamon {

inline const QString kAuthor = QStringLiteral("Till Taktgeber");

}  // namespace paxamon
