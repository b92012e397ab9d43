#include "app/qt/KeyChords.h"

namespace kuitti {

namespace {

Key KeyOf(int key) {
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
    return FunctionKey(key - Qt::Key_F1 + 1);
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    return Key::kEnter;
  }
  if (key == Qt::Key_Home) {
    return Key::kHome;
  }
  if (key == Qt::Key_End) {
    return Key::kEnd;
  }
  return LetterOrDigitKey(key);
}

}  // namespace

KeyChord KeyChordOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held = event.modifiers();
  return {KeyOf(event.key()), ModifiersOf(held & Qt::ControlModifier, held & Qt::ShiftModifier,
                                          held & Qt::AltModifier)};
}

}  // namespace kuitti
