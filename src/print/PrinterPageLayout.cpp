#include "PrinterPageLayout.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace kuitti {

namespace {

QPageLayout LayoutOf(const QPrinterInfo& printer) {
  if (printer.isNull()) {
    return FallbackPageLayout();
  }
  // Asked of the printer itself, so the pages are laid out as they always were on it.
  return QPrinter(printer, QPrinter::HighResolution).pageLayout();
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
