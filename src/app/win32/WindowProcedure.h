#pragma once

#include <windows.h>

namespace kuitti {

// The window procedure of a window class whose windows belong to an object of type Owner:
// the object is passed as the creation parameter and gets every message, from WM_NCCREATE on,
// in Owner::Handle(window, message, wParam, lParam).
template <typename Owner>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(
        window, GWLP_USERDATA,
        reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return owner ? owner->Handle(window, message, wParam, lParam)
               : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kuitti
