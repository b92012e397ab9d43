#include "PdfCopyFile.h"
#include "TextPdf.h"
#include "WholeFile.h"

namespace kuitti {

void WritePdfCopyFile(std::string_view copy, const std::string& path) {
  WriteWholeFile(path, TextPdf(copy, A4Paper()));
}

}  // namespace kuitti
