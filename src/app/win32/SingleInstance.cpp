#include "app/win32/SingleInstance.h"

namespace kuitti {

SingleInstance::SingleInstance(const wchar_t* name) {
  mutex_ = CreateMutexW(nullptr, FALSE, name);
  first_ = !(mutex_ && GetLastError() == ERROR_ALREADY_EXISTS);
}

SingleInstance::~SingleInstance() {
  if (mutex_) {
    CloseHandle(mutex_);
  }
}

bool BringWindowToFront(const wchar_t* windowClass) {
  HWND window = FindWindowW(windowClass, nullptr);
  if (!window) {
    return false;
  }
  ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(window);
  return true;
}

}  // namespace kuitti
