#pragma once

#include <string>
#include <string_view>

#include "print/PrintLayout.h"

namespace kuitti {

// The copy as a PDF document made without any library, for where Qt is not: its lines in the
// standard Courier face (which every PDF reader has, so nothing is embedded) at 10 points, or
// smaller where the longest line would not fit, laid out by the shared rules on the paper given,
// a new page where the next line does not fit, as "Tulosta" prints it. The characters go as
// Windows-1252, which holds every character a copy can have (any other shows as "?"), so the
// text can be extracted and searched. UTF-8 in; the document's bytes out.
std::string TextPdf(std::string_view text, const PrinterPage& paper);

// A4 with nothing unprintable: the paper of a PDF written without a printer.
PrinterPage A4Paper();

}  // namespace kuitti
