#include "app/win32/CopyBoxMenu.h"

#include <windowsx.h>

#include "platform/win32/WideText.h"

namespace kuitti {
namespace {

// Menu item identifiers: the command's place in the table, from 1, as 0 means none chosen.
UINT ItemOf(std::size_t index) {
  return static_cast<UINT>(index + 1);
}

}  // namespace

std::optional<Command> ChooseFromCopyBoxMenu(HWND owner, HWND box, LPARAM where) {
  const HMENU menu = CreatePopupMenu();
  for (std::size_t i = 0; i < kCopyBoxMenu.size(); ++i) {
    AppendMenuW(menu, MF_STRING, ItemOf(i), WideFromUtf8(TextOf(kCopyBoxMenu[i])).c_str());
  }
  POINT point{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (where == -1) {
    RECT boxPlace{};
    GetWindowRect(box, &boxPlace);
    point = {boxPlace.left + 8, boxPlace.top + 8};
  }
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN, point.x,
                     point.y, 0, owner, nullptr));
  DestroyMenu(menu);
  for (std::size_t i = 0; i < kCopyBoxMenu.size(); ++i) {
    if (chosen == ItemOf(i)) {
      return kCopyBoxMenu[i];
    }
  }
  return std::nullopt;
}

}  // namespace kuitti
