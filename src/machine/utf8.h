// UTF-8 encoding and decoding of code points, for the places where the
// Qt-free core meets Unicode text (help keywords, the runner's output).
#pragma once

#include <string>
#include <string_view>

namespace paxamon {

void appendUtf8(std::string& out, char32_t codePoint);

// The code points of UTF-8 text; a malformed byte stands for U+FFFD.
std::u32string decodeUtf8(std::string_view bytes);

}  // namespace paxamon
