#include "print/DefaultPrinter.h"
#include "print/PagePrinter.h"
#include "print/QueueOutput.h"

namespace kuitti {

std::unique_ptr<Printer> MakeDefaultPrinter() {
  // The default is looked up for every document, so a printer chosen while the program runs
  // is used by the next print.
  return std::make_unique<PagePrinter>([] { return std::make_unique<QueueOutput>(); });
}

}  // namespace kuitti
