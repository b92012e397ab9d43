#include <QPrinterInfo>

#include "PagePrinter.h"
#include "RuntimeError.h"

namespace kuitti {

std::unique_ptr<Printer> MakeDefaultPrinter() {
  // The default is looked up for every document, so a printer chosen while the program runs
  // is used by the next print.
  return std::make_unique<PagePrinter>([] {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
      throw RuntimeError(kPrinterError, "Oletustulostinta ei ole asetettu.");
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  });
}

}  // namespace kuitti
