#include "ReceiptPrinting.h"
#include "RuntimeError.h"

namespace kuitti {

namespace {

QString PrintErrorMessage(const RuntimeError& error) {
  return QStringLiteral("Tulostusvirhe. Virhenumero:") + QString::number(error.number()) +
         QStringLiteral("  ") + QString::fromStdString(error.description());
}

}  // namespace

void PrintReceiptCopy(PrintView& view, Printer& printer) {
  try {
    if (view.CopyText().isEmpty()) {
      view.ShowMessage(QStringLiteral("Ei haettua tositetta."));
      return;
    }
    view.SetPrintCommandEnabled(false);
    view.SetFetchCommandEnabled(false);
    printer.SetFontName(QStringLiteral("courier new"));
    printer.SetFontSize(QStringLiteral("10").toFloat());
    printer.Print(view.CopyText());
    printer.EndDocument();
  } catch (const RuntimeError& error) {
    // Nothing half-printed may go out, and the user must be able to try again.
    printer.AbortDocument();
    view.ShowMessage(PrintErrorMessage(error));
  }
  view.SetPrintCommandEnabled(true);
  view.SetFetchCommandEnabled(true);
}

}  // namespace kuitti
