#include "app/PdfFileName.h"

#include "data/TextTrim.h"
#include "receipt/ReceiptLayout.h"

namespace kuitti {

std::string PdfFileName(std::string_view copy) {
  const std::string_view heading = copy.substr(0, copy.find_first_of("\r\n"));
  // The heading's start ends with the "M" of the voucher, which the name keeps.
  const std::string_view start = layout::kHeadingStart.substr(0, layout::kHeadingStart.size() - 1);
  const std::string_view voucher =
      heading.starts_with(start) ? TrimSpaces(heading.substr(start.size())) : std::string_view();
  if (voucher.empty()) {
    return "Kuittikopio.pdf";
  }
  std::string name = "Kuittikopio ";
  for (const char c : voucher) {
    const bool forbidden = static_cast<unsigned char>(c) < 0x20 || c == 0x7F ||
                           std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
    name += forbidden ? '_' : c;
  }
  return name + ".pdf";
}

}  // namespace kuitti
