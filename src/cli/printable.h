// Texts made safe to print: UTF-8 without control characters, so that a
// text stays one field of one line and cannot steer the terminal.
#pragma once

#include <string>
#include <string_view>

namespace paxamon {

// Windows-1252 text (a cell, a run error) in UTF-8. A backslash becomes
// "\\", line feed, tab and carriage return "\n", "\t" and "\r", and every
// other control byte (below 0x20, and 0x7F) "\xNN" with two upper-case hex
// digits. So do the five bytes Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D): they stand for no character, and printed as code
// points they would be C1 control characters.
std::string printableCp1252(std::string_view bytes);

// Text meant as UTF-8 (a file name), escaped the same way: well-formed
// UTF-8 is kept, while every byte of a control character (C0, DEL, C1) or
// of a malformed sequence becomes "\xNN".
std::string printableUtf8(std::string_view bytes);

}  // namespace paxamon
