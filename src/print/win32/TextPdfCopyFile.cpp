#include "platform/WholeFile.h"
#include "print/PdfCopyFile.h"
#include "print/TextPdf.h"

namespace kuitti {

void WritePdfCopyFile(std::string_view copy, const std::string& path) {
  WriteWholeFile(path, TextPdf(copy, A4Paper()));
}

}  // namespace kuitti
