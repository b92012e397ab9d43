#pragma once

#include <QPageLayout>
#include <QString>

namespace kuitti {

// The pages on a printer: its default paper size, and margins of 10 points or the printer's
// own where they are wider. The fallback layout when there is no such printer.
QPageLayout PrinterPageLayout(const QString& printerName);

// A4 with margins of 10 points, the pages when there is no printer to ask.
QPageLayout FallbackPageLayout();

// The same for the default printer, A4 when there is none or the print server does not answer.
QPageLayout DefaultPrinterPageLayout();

}  // namespace kuitti
