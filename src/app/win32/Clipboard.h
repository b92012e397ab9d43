#pragma once

#include <windows.h>

#include <string>

namespace kuitti {

// Puts the text on the clipboard as Unicode text; false when another program holds it.
bool CopyToClipboard(HWND owner, const std::wstring& text);

}  // namespace kuitti
