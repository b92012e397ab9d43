#pragma once

#include <cstdint>

namespace kuitti {

// A key as the command tables name it, whatever toolkit reported it: a letter or a digit by its
// character (Key{'F'}), the others by name. Each toolkit translates its own key codes to these.
enum class Key : std::uint16_t {
  kNone = 0,
  kEnter = 0x100,  // Enter and keypad Enter alike
  kF1 = 0x101,     // F1 to F12 follow in order
  kHome = 0x110,
  kEnd = 0x111,
};

constexpr Key LetterKey(char letterOrDigit) {
  return static_cast<Key>(letterOrDigit);
}

// A toolkit's key code of a letter or digit, which in both toolkits is its character; kNone for
// any other code.
constexpr Key LetterOrDigitKey(int code) {
  const bool letter = code >= 'A' && code <= 'Z';
  const bool digit = code >= '0' && code <= '9';
  return letter || digit ? LetterKey(static_cast<char>(code)) : Key::kNone;
}

constexpr Key FunctionKey(int number) {
  return static_cast<Key>(static_cast<int>(Key::kF1) + number - 1);
}

// The modifiers held down, as a set of bits.
enum Modifiers : unsigned {
  kNoModifier = 0,
  kCtrl = 1,
  kShift = 2,
  kAlt = 4,
};

constexpr unsigned ModifiersOf(bool ctrl, bool shift, bool alt) {
  return (ctrl ? kCtrl : kNoModifier) | (shift ? kShift : kNoModifier) | (alt ? kAlt : kNoModifier);
}

// A key with the modifiers held down: a binding matches these exactly, so Ctrl+Shift+F is not
// Ctrl+F.
struct KeyChord {
  Key key = Key::kNone;
  unsigned modifiers = kNoModifier;
  bool operator==(const KeyChord&) const = default;
};

}  // namespace kuitti
