#include "print/win32/DefaultPrinterName.h"

#include <vector>

#include "data/RuntimeError.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowsErrorText.h"
#include "print/win32/PrinterProblem.h"
#include "print/win32/SpoolerApi.h"

namespace kuitti {

std::wstring DefaultPrinterName() {
  const SpoolerApi& spooler = Spooler();
  DWORD size = 0;
  spooler.getDefaultPrinter(nullptr, &size);
  std::wstring name(size, L'\0');
  if (size == 0 || !spooler.getDefaultPrinter(name.data(), &size)) {
    throw RuntimeError(kPrinterError, "Oletustulostinta ei ole asetettu.");
  }
  name.resize(size - 1);  // the size counted the terminating zero
  return name;
}

void CheckPrinterReady(const std::wstring& name) {
  const SpoolerApi& spooler = Spooler();
  HANDLE printer = nullptr;
  if (!spooler.openPrinter(const_cast<wchar_t*>(name.c_str()), &printer, nullptr)) {
    throw RuntimeError(kPrinterError, WindowsErrorText(GetLastError()));
  }
  DWORD needed = 0;
  spooler.getPrinter(printer, 2, nullptr, 0, &needed);
  std::vector<BYTE> buffer(needed);
  const bool read = needed > 0 && spooler.getPrinter(printer, 2, buffer.data(), needed, &needed);
  const DWORD code = GetLastError();
  spooler.closePrinter(printer);
  if (!read) {
    throw RuntimeError(kPrinterError, WindowsErrorText(code));
  }
  const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
  if (auto problem = PrinterProblem(Utf8FromWide(name), info->Status, info->Attributes)) {
    throw RuntimeError(kPrinterError, *problem);
  }
}

}  // namespace kuitti
