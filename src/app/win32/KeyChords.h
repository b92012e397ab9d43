#pragma once

#include <windows.h>

#include "app/KeyChord.h"

namespace kuitti {

// A key pressed (the virtual key of WM_KEYDOWN), with the modifiers the keyboard state holds
// down, as the command tables name keys: Key::kNone for a key they do not name.
KeyChord KeyChordOf(WPARAM virtualKey);

}  // namespace kuitti
