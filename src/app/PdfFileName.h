#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// The name "Tallenna PDF-tiedostoksi…" proposes for a copy: "Kuittikopio M104233-001.pdf",
// the voucher as the copy's heading prints it, with the characters no file name may hold
// (\ / : * ? " < > | and control characters) as "_". "Kuittikopio.pdf" when the heading
// names no voucher. UTF-8.
std::string PdfFileName(std::string_view copy);

}  // namespace kuitti
