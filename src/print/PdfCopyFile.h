#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// The copy (UTF-8) as a PDF file at `path`, as "Tulosta" prints it on A4: written whole or not
// at all, an existing file left as it was on a failure, a path that is no regular file written
// into, never replaced. Failures raise RuntimeError naming the file or its folder. Qt draws the
// pages where the program has Qt; elsewhere the program makes the PDF itself.
void WritePdfCopyFile(std::string_view copy, const std::string& path);

}  // namespace kuitti
