#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <winspool.h>

namespace kuitti {

// The few spooler functions the printing uses, from System32's winspool.drv alone. The
// program does not import it at link time: winspool.drv is not one of the KnownDLLs, so
// Windows would take a copy left beside the program before System32's.
struct SpoolerApi {
  decltype(&::GetDefaultPrinterW) getDefaultPrinter;
  decltype(&::OpenPrinterW) openPrinter;
  decltype(&::GetPrinterW) getPrinter;
  decltype(&::ClosePrinter) closePrinter;
};

// Loaded once, when first asked for; throws RuntimeError 482 with Windows' description when
// the DLL or one of its functions is missing.
const SpoolerApi& Spooler();

}  // namespace kuitti
