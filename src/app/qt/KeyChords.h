#pragma once

#include <QKeyEvent>

#include "app/KeyChord.h"

namespace kuitti {

// A Qt key event as the command tables name keys: Key::kNone for a key they do not name.
KeyChord KeyChordOf(const QKeyEvent& event);

}  // namespace kuitti
