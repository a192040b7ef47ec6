// The character sets where the core meets text: cell texts and program
// files are Windows-1252 bytes, the window and the terminal speak Unicode
// (UTF-8). This is the one codec between them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace paxamon {

// The character of a Windows-1252 byte. The five bytes the set leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own code.
char32_t cp1252ToCodePoint(unsigned char byte);
bool isDefinedCp1252(unsigned char byte);

// The byte of a character, or nothing when Windows-1252 cannot hold it.
std::optional<unsigned char> codePointToCp1252(char32_t codePoint);

// Cell text as UTF-8, and back; a character the set cannot hold becomes "?".
std::string cp1252ToUtf8(std::string_view bytes);
std::string utf8ToCp1252(std::string_view utf8);

void appendUtf8(std::string& out, char32_t codePoint);

// The code points of UTF-8 text; a malformed byte stands for U+FFFD.
std::u32string decodeUtf8(std::string_view bytes);

}  // namespace paxamon
