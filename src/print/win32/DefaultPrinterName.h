#pragma once

#include <string>

namespace kuitti {

// The name of the user's default printer; throws RuntimeError 482 when none is set.
std::wstring DefaultPrinterName();

// Throws RuntimeError 482 when the spooler reports the printer paused, offline, in error or
// being deleted: a job sent then would wait unseen or be lost.
void CheckPrinterReady(const std::wstring& name);

}  // namespace kuitti
