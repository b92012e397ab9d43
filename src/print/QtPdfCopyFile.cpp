#include "print/PagePrinter.h"
#include "print/PdfCopyFile.h"
#include "print/PdfFileOutput.h"
#include "print/PrinterPageLayout.h"

namespace kuitti {

void WritePdfCopyFile(std::string_view copy, const std::string& path) {
  PagePrinter printer([&path] {
    return std::make_unique<PdfFileOutput>(QString::fromStdString(path), FallbackPageLayout());
  });
  PrintReceiptCopy(printer, std::string(copy));
}

}  // namespace kuitti
