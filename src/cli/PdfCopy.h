#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The entry point of the module kuittikopio-pdf.so: writes the UTF-8 text as the pages that
// "Tulosta" would print to the PDF file at path, "-" being standard output (see PdfFileOutput
// for what is replaced and what written into). Gives 0, or an error number with its
// description.
extern "C" int KuittiWritePdfCopy(const char* text, std::size_t size, const char* path,
                                  std::string* description);

namespace kuitti {

// Loads the module and writes the copy through it; throws RuntimeError when it cannot.
void WritePdfCopy(std::string_view text, const std::string& path);

}  // namespace kuitti
