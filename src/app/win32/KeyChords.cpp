#include "app/win32/KeyChords.h"

namespace kuitti {

namespace {

Key KeyOf(WPARAM virtualKey) {
  if (virtualKey >= VK_F1 && virtualKey <= VK_F12) {
    return FunctionKey(static_cast<int>(virtualKey - VK_F1) + 1);
  }
  if (virtualKey == VK_RETURN) {
    return Key::kEnter;
  }
  if (virtualKey == VK_HOME) {
    return Key::kHome;
  }
  if (virtualKey == VK_END) {
    return Key::kEnd;
  }
  return LetterOrDigitKey(static_cast<int>(virtualKey));
}

bool HeldDown(int virtualKey) {
  return GetKeyState(virtualKey) < 0;
}

}  // namespace

KeyChord KeyChordOf(WPARAM virtualKey) {
  return {KeyOf(virtualKey),
          ModifiersOf(HeldDown(VK_CONTROL), HeldDown(VK_SHIFT), HeldDown(VK_MENU))};
}

}  // namespace kuitti
