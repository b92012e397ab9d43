#pragma once

#include <windows.h>

#include <optional>

#include "app/CopyBoxColours.h"

namespace kuitti {

// The window and window-text colours of the high-contrast theme the user turned on
// (SPI_GETHIGHCONTRAST); nothing when none is on.
std::optional<CopyBoxColours> HighContrastWindowColours();

// The answer to WM_CTLCOLOREDIT (or WM_CTLCOLORSTATIC) for the copy box: its text and
// background colours set on the device context, and the brush of its background: `grey`, or
// the system's window brush under a high-contrast theme (`highContrast`, from the above).
HBRUSH PaintCopyBox(HDC dc, HBRUSH grey, const std::optional<CopyBoxColours>& highContrast);

}  // namespace kuitti
