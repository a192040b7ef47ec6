#include "ui/platform/keys.h"

namespace paxamon {

Word virtualKey(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    return static_cast<Word>(keypad ? vk::Numpad0 + (key - Qt::Key_0) : key);
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<Word>(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
    return static_cast<Word>(vk::F1 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace:
      return vk::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return vk::Return;
    case Qt::Key_Shift:
      return vk::Shift;
    case Qt::Key_Control:
      return vk::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
      return vk::Menu;
    case Qt::Key_Pause:
      return vk::Pause;
    case Qt::Key_CapsLock:
      return vk::Capital;
    case Qt::Key_Escape:
      return vk::Escape;
    case Qt::Key_Space:
      return vk::Space;
    case Qt::Key_PageUp:
      return vk::Prior;
    case Qt::Key_PageDown:
      return vk::Next;
    case Qt::Key_End:
      return vk::End;
    case Qt::Key_Home:
      return vk::Home;
    case Qt::Key_Left:
      return vk::Left;
    case Qt::Key_Up:
      return vk::Up;
    case Qt::Key_Right:
      return vk::Right;
    case Qt::Key_Down:
      return vk::Down;
    case Qt::Key_Print:
      return 44;
    case Qt::Key_Insert:
      return vk::Insert;
    case Qt::Key_Delete:
      return vk::Delete;
    case Qt::Key_Meta:
      return 91;
    case Qt::Key_Menu:
      return vk::Apps;
    case Qt::Key_NumLock:
      return vk::NumLock;
    case Qt::Key_ScrollLock:
      return 145;
    case Qt::Key_Asterisk:
      return keypad ? 106 : vk::Unknown;
    case Qt::Key_Plus:
      return keypad ? 107 : 0xBB;
    case Qt::Key_Minus:
      return keypad ? 109 : 0xBD;
    case Qt::Key_Comma:
      return keypad ? 110 : 0xBC;
    case Qt::Key_Period:
      return keypad ? 110 : 0xBE;
    case Qt::Key_Slash:
      return keypad ? 111 : vk::Unknown;
    // The letter keys of the German layout.
    case Qt::Key_Udiaeresis:
      return 0xBA;
    case Qt::Key_NumberSign:
      return 0xBF;
    case Qt::Key_Odiaeresis:
      return 0xC0;
    case Qt::Key_ssharp:
      return 0xDB;
    case Qt::Key_AsciiCircum:
    case Qt::Key_Dead_Circumflex:
      return 0xDC;
    case Qt::Key_Dead_Acute:
      return 0xDD;
    case Qt::Key_Adiaeresis:
      return 0xDE;
    case Qt::Key_Less:
      return 0xE2;
    default:
      return vk::Unknown;
  }
}

TShiftState shiftState(Qt::KeyboardModifiers modifiers) {
  return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::AltModifier),
          modifiers.testFlag(Qt::ControlModifier)};
}

std::u32string keyCharacters(const QKeyEvent& event) {
  const bool ctrl = event.modifiers() & Qt::ControlModifier;
  const bool alt = event.modifiers() & Qt::AltModifier;
  const int key = event.key();
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return alt ? U"" : U"\r";
    case Qt::Key_Backspace:
      return ctrl || alt ? U"" : U"\b";
    case Qt::Key_Escape:
      return U"\x1b";
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return U"";
    default:
      break;
  }
  if (ctrl && !alt) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
      return std::u32string(1, static_cast<char32_t>(key - Qt::Key_A + 1));
    }
    return U"";
  }
  if (alt && !ctrl) return U"";
  std::u32string characters;
  for (const char32_t c : event.text().toUcs4()) {
    if (c >= 32 && c != 127) characters += c;
  }
  return characters;
}

}  // namespace paxamon
