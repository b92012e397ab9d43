#include "app/win32/WindowText.h"

#include "app/Form1Layout.h"
#include "platform/win32/WideText.h"

namespace kuitti {

std::string WindowTextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Utf8FromWide(text);
}

void SetWindowTextTo(HWND window, std::string_view text) {
  SetWindowTextW(window, WideFromUtf8(text).c_str());
}

void ShowMessageBox(HWND owner, std::string_view text) {
  MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(form1::kCaption).c_str(), MB_OK);
}

void SetBusyCursor(bool busy) {
  SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

}  // namespace kuitti
