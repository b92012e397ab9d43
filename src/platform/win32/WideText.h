#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// UTF-8 inside the program, UTF-16 at the Windows API. Invalid UTF-8 becomes U+FFFD, and an
// unpaired surrogate of UTF-16 likewise, so no text is ever cut short.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace kuitti
