#pragma once

#include <memory>

#include "print/ReceiptPrinting.h"

namespace kuitti {

// The default printer of the CUPS server, the pages drawn by Qt as PDF.
std::unique_ptr<Printer> MakeDefaultPrinter();

}  // namespace kuitti
