#include "data/RuntimeError.h"
#include "print/PrintLayout.h"
#include "print/ReceiptPrinting.h"

namespace kuitti {

void PrintReceiptCopy(Printer& printer, const std::string& copy) {
  try {
    printer.SetFontName("courier new");
    printer.SetFontSize(10.0F);
    printer.FitColumns(LongestLine(copy));
    printer.Print(copy);
    printer.EndDocument();
  } catch (const RuntimeError&) {
    printer.AbortDocument();
    throw;
  }
}

std::string PrintErrorMessage(const RuntimeError& error) {
  return "Tulostusvirhe. Virhenumero:" + std::to_string(error.number()) + "  " +
         error.description();
}

}  // namespace kuitti
