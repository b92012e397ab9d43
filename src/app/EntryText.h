#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// Text2 holds one line: of a text that comes in (typed, pasted, dropped or set), the part before
// its first line break, without control characters; spaces stay. UTF-8 in and out. A toolkit
// applies it to what is inserted, or to the text before and the text after the cursor.
std::string SingleLineText(std::string_view text);

}  // namespace kuitti
