#pragma once

#include <windows.h>

#include "app/Form1Layout.h"

namespace kuitti {

// The copy box's font at the window's DPI. The face the layout table asks for when what
// Windows gives for it is fixed-pitch and, if a bitmap face, within a pixel of the asked size
// (the screen "Courier" at 96 DPI); otherwise "Courier New" at the asked size, which is
// TrueType and scales to any DPI. Without a fixed pitch the copy's columns would be ragged.
HFONT MakeCopyBoxFont(const FontRequest& request, UINT dpi);

// Takes away the margins that an edit box gives a TrueType face (none for a bitmap face):
// they would push the copy's last columns out of the box. WM_SETFONT sets them again, so this
// follows every change of the font.
void DropCopyBoxMargins(HWND box);

// Whether the font keeps the copy's columns at the size asked for: fixed-pitch and, for a
// bitmap face, a character height within one pixel of `pixels`.
bool KeepsTheColumns(HFONT font, int pixels);

}  // namespace kuitti
