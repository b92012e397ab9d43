#include "print/PrinterPageLayout.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace kuitti {

namespace {

QPageLayout LayoutOf(const QPrinterInfo& printer) {
  if (printer.isNull()) {
    return FallbackPageLayout();
  }
  // Qt keeps A4 on any printer that has it; the pages are to be of the paper loaded, and the
  // printer widens the margins where it cannot print.
  QPrinter device(printer, QPrinter::HighResolution);
  device.setPageSize(printer.defaultPageSize());
  // Only what the printer cannot print on: the text area's rule adds its own margins.
  QPageLayout layout = device.pageLayout();
  layout.setMargins(layout.minimumMargins());
  return layout;
}

}  // namespace

QPageLayout FallbackPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                     QPageLayout::Point);
}

QPageLayout PrinterPageLayout(const QString& printerName) {
  return LayoutOf(QPrinterInfo::printerInfo(printerName));
}

QPageLayout DefaultPrinterPageLayout() {
  return LayoutOf(QPrinterInfo::defaultPrinter());
}

}  // namespace kuitti
