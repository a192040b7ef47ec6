// The keyboard as the original platform's key handlers see it: virtual key
// codes, the shift state, the characters a key stroke produces, and names
// for the control characters among them.
#pragma once

#include <QKeyEvent>
#include <cstdint>
#include <string>

namespace paxamon {

using Word = std::uint16_t;

// The platform's virtual key codes, as key handlers receive them.
namespace vk {
inline constexpr Word Back = 8;
inline constexpr Word Tab = 9;
inline constexpr Word Return = 13;
inline constexpr Word Shift = 16;
inline constexpr Word Control = 17;
inline constexpr Word Menu = 18;  // Alt
inline constexpr Word Pause = 19;
inline constexpr Word Capital = 20;
inline constexpr Word Escape = 27;
inline constexpr Word Space = 32;
inline constexpr Word Prior = 33;  // Page Up
inline constexpr Word Next = 34;   // Page Down
inline constexpr Word End = 35;
inline constexpr Word Home = 36;
inline constexpr Word Left = 37;
inline constexpr Word Up = 38;
inline constexpr Word Right = 39;
inline constexpr Word Down = 40;
inline constexpr Word Insert = 45;
inline constexpr Word Delete = 46;
inline constexpr Word Apps = 93;
inline constexpr Word Numpad0 = 96;  // to Numpad9 = 105
inline constexpr Word F1 = 112;      // to F24 = 135
inline constexpr Word NumLock = 144;
inline constexpr Word Unknown = 0xFF;  // a key without a code of its own
}  // namespace vk

struct TShiftState {
  bool shift = false;
  bool alt = false;
  bool ctrl = false;
  friend bool operator==(const TShiftState&, const TShiftState&) = default;
};

// Control characters that key strokes produce, as key-press handlers get them.
namespace ch {
inline constexpr char32_t Backspace = 8;
inline constexpr char32_t Enter = 13;
inline constexpr char32_t Escape = 27;
}  // namespace ch

// The virtual key code of a key event (vk::Unknown for a key without one).
Word virtualKey(const QKeyEvent& event);
TShiftState shiftState(Qt::KeyboardModifiers modifiers);

// The characters a key stroke produces, as the platform delivers them to
// key-press handlers: printable text, and control characters for Enter,
// Backspace, Escape and Ctrl with a letter. Alt combinations produce none.
std::u32string keyCharacters(const QKeyEvent& event);

}  // namespace paxamon
