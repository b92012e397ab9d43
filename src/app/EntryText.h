#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// Text2 (the voucher box) holds one line: of a text that comes in (typed, pasted, dropped or set),
// the part before its first line break, without control characters; spaces stay. UTF-8 in and out.
// A toolkit applies it to what is inserted, or to the text before and the text after the cursor.
std::string SingleLineText(std::string_view text);

// Whether a character typed into Text2 (the voucher box) stays: not when it is a line break or a
// control character (C0, C1 and DEL), as SingleLineText has it.
bool StaysInOneLine(char32_t typed);

}  // namespace kuitti
