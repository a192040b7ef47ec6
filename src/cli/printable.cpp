#include "cli/printable.h"

#include <cstdint>

#include "machine/codec.h"

namespace paxamon {

namespace {

void appendEscaped(std::string& out, unsigned char b) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[b >> 4];
  out += kHex[b & 0xF];
}

// Appends an ASCII byte, escaped where it is a control character or a
// backslash.
void appendAscii(std::string& out, unsigned char b) {
  switch (b) {
    case '\\':
      out += "\\\\";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\t':
      out += "\\t";
      return;
    case '\r':
      out += "\\r";
      return;
    default:
      if (b < 0x20 || b == 0x7F) {
        appendEscaped(out, b);
      } else {
        out += static_cast<char>(b);
      }
  }
}

// The length of the well-formed UTF-8 sequence at the start of `bytes`
// (no overlong forms, no surrogates, nothing above U+10FFFF), or 0.
std::size_t sequenceLength(std::string_view bytes) {
  const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char b = at(0);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    length = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    length = 3;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    length = 4;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() < length || at(1) < low || at(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (at(i) < 0x80 || at(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::string printableCp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      appendAscii(out, b);
    } else if (isDefinedCp1252(b)) {
      appendUtf8(out, cp1252ToCodePoint(b));
    } else {
      appendEscaped(out, b);
    }
  }
  return out;
}

std::string printableUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    const auto b = static_cast<unsigned char>(bytes.front());
    std::size_t length = b < 0x80 ? 1 : sequenceLength(bytes);
    // U+0080 to U+009F, the C1 control characters, are C2 80 to C2 9F.
    const bool c1 = length == 2 && b == 0xC2 && static_cast<unsigned char>(bytes[1]) < 0xA0;
    if (length == 1) {
      appendAscii(out, b);
    } else if (length == 0 || c1) {
      appendEscaped(out, b);
      length = 1;  // the next byte is looked at on its own
    } else {
      out += bytes.substr(0, length);
    }
    bytes.remove_prefix(length);
  }
  return out;
}

}  // namespace paxamon
