#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kuitti {

// A window's or control's text as UTF-8.
std::string WindowTextOf(HWND window);
void SetWindowTextTo(HWND window, std::string_view text);

// A modal message with one OK button, titled with Form1's caption, owned by `owner`.
void ShowMessageBox(HWND owner, std::string_view text);

// The busy cursor while a fetch or a search runs on the window's own thread, or the arrow.
void SetBusyCursor(bool busy);

}  // namespace kuitti
