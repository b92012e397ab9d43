#pragma once

#include <QPageLayout>
#include <QString>

namespace kuitti {

// The pages on a printer: its default paper size, and as margins what the printer cannot print
// on (PagePrinter lays the text out within them by the shared rule). The fallback layout when
// there is no such printer.
QPageLayout PrinterPageLayout(const QString& printerName);

// A4 without unprintable margins, the pages when there is no printer to ask.
QPageLayout FallbackPageLayout();

// The same for the default printer, A4 when there is none or the print server does not answer.
QPageLayout DefaultPrinterPageLayout();

}  // namespace kuitti
