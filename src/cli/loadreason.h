// Why a program file could not be loaded, in the runner's German words. A
// reader of streams refuses only what cannot be opened for reading (a
// socket, a device without its driver or hardware); a reader of regular
// files refuses every device, FIFO and socket.
#pragma once

#include <string_view>

#include "files/programfile.h"

namespace paxamon {

inline std::string_view loadFailureReason(LoadFailure failure, FileKinds kinds) {
  switch (failure) {
    case LoadFailure::Missing:
      return "Datei nicht vorhanden";
    case LoadFailure::Folder:
      return "ein Ordner, keine Datei";
    case LoadFailure::NotRegularFile:
      return kinds == FileKinds::Streams ? "ein Socket oder ein Gerät, das sich nicht öffnen lässt"
                                         : "keine gewöhnliche Datei (Gerät, FIFO oder Socket)";
    case LoadFailure::TooLarge:
      return "zu groß (höchstens 1 MiB Text in den 32 Zellen)";
    case LoadFailure::Unreadable:
      return "nicht lesbar (keine Leseberechtigung oder Lesefehler)";
    case LoadFailure::LinkLoop:
      return "symbolische Links im Kreis";
    case LoadFailure::None:
      break;
  }
  return "unbekannter Fehler";
}

}  // namespace paxamon
