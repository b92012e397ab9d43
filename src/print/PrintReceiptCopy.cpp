#include "ReceiptPrinting.h"
#include "RuntimeError.h"

namespace kuitti {

void PrintReceiptCopy(Printer& printer, const QString& copy) {
  try {
    printer.SetFontName(QStringLiteral("courier new"));
    printer.SetFontSize(QStringLiteral("10").toFloat());
    printer.Print(copy);
    printer.EndDocument();
  } catch (const RuntimeError&) {
    printer.AbortDocument();
    throw;
  }
}

QString PrintErrorMessage(const RuntimeError& error) {
  return QStringLiteral("Tulostusvirhe. Virhenumero:") + QString::number(error.number()) +
         QStringLiteral("  ") + QString::fromStdString(error.description());
}

}  // namespace kuitti
