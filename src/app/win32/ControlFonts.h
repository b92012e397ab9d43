#pragma once

#include <windows.h>

#include "app/Form1Layout.h"

namespace kuitti {

// The font a layout table asks for, at the window's DPI: 9.75 points are 13 pixels at 96 DPI.
HFONT MakeFont(const FontRequest& request, UINT dpi);

// The system's message font at the window's DPI, for labels, buttons and fields.
HFONT MakeMessageFont(UINT dpi);

}  // namespace kuitti
