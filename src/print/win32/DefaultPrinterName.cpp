#include "DefaultPrinterName.h"

#include <windows.h>
// After windows.h, which it needs.
#include <winspool.h>

#include <vector>

#include "PrinterProblem.h"
#include "RuntimeError.h"
#include "WideText.h"
#include "WindowsErrorText.h"

namespace kuitti {

std::wstring DefaultPrinterName() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  std::wstring name(size, L'\0');
  if (size == 0 || !GetDefaultPrinterW(name.data(), &size)) {
    throw RuntimeError(kPrinterError, "Oletustulostinta ei ole asetettu.");
  }
  name.resize(size - 1);  // the size counted the terminating zero
  return name;
}

void CheckPrinterReady(const std::wstring& name) {
  HANDLE printer = nullptr;
  if (!OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &printer, nullptr)) {
    throw RuntimeError(kPrinterError, WindowsErrorText(GetLastError()));
  }
  DWORD needed = 0;
  GetPrinterW(printer, 2, nullptr, 0, &needed);
  std::vector<BYTE> buffer(needed);
  const bool read = needed > 0 && GetPrinterW(printer, 2, buffer.data(), needed, &needed);
  const DWORD code = GetLastError();
  ClosePrinter(printer);
  if (!read) {
    throw RuntimeError(kPrinterError, WindowsErrorText(code));
  }
  const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
  if (auto problem = PrinterProblem(Utf8FromWide(name), info->Status, info->Attributes)) {
    throw RuntimeError(kPrinterError, *problem);
  }
}

}  // namespace kuitti
