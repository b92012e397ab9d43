#include "print/win32/SpoolerApi.h"

#include "data/RuntimeError.h"
#include "platform/win32/WindowsErrorText.h"

namespace kuitti {

namespace {

template <typename Function>
void Take(HMODULE module, const char* name, Function& function) {
  // GetProcAddress gives a plain FARPROC; the declaration in winspool.h says what it is.
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (!function) {
    throw RuntimeError(kPrinterError, WindowsErrorText(GetLastError()));
  }
}

SpoolerApi Load() {
  const HMODULE module = LoadLibraryExW(L"winspool.drv", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module) {
    throw RuntimeError(kPrinterError, WindowsErrorText(GetLastError()));
  }
  SpoolerApi api{};
  Take(module, "GetDefaultPrinterW", api.getDefaultPrinter);
  Take(module, "OpenPrinterW", api.openPrinter);
  Take(module, "GetPrinterW", api.getPrinter);
  Take(module, "ClosePrinter", api.closePrinter);
  return api;  // the module stays loaded for the program's life
}

}  // namespace

const SpoolerApi& Spooler() {
  static const SpoolerApi api = Load();
  return api;
}

}  // namespace kuitti
