// Windows-1252 bytes to UTF-8, for printing cell texts.
#pragma once

#include <string>
#include <string_view>

namespace paxamon {

// The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the control characters of the same number, so nothing is lost.
std::string cp1252ToUtf8(std::string_view bytes);

}  // namespace paxamon
