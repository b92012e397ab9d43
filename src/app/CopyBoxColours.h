#pragma once

#include <optional>

#include "app/Form1Layout.h"

namespace kuitti {

// The copy box's text and background colours.
struct CopyBoxColours {
  Rgb text;
  Rgb background;
};

inline constexpr Rgb kCopyText{0, 0, 0};

// Black on the layout's grey, set explicitly so that no desktop palette (a dark one makes the
// text light) leaves the copy unreadable. A high-contrast theme the user chose gives its own
// window colours instead, as Windows asks of every program.
constexpr CopyBoxColours CopyBoxColoursIn(const std::optional<CopyBoxColours>& highContrast) {
  return highContrast.value_or(CopyBoxColours{kCopyText, form1::kCopyBackground});
}

}  // namespace kuitti
