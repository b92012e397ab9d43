#include "PrinterPageLayout.h"

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
  return device.pageLayout();
}

}  // namespace

QPageLayout FallbackPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Point);
}

QPageLayout PrinterPageLayout(const QString& printerName) {
  return LayoutOf(QPrinterInfo::printerInfo(printerName));
}

QPageLayout DefaultPrinterPageLayout() {
  return LayoutOf(QPrinterInfo::defaultPrinter());
}

}  // namespace kuitti
