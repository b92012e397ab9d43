#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/SearchWindow.h"

namespace kuitti {

// What a field of "Etsi kuitti" lets through as typed: true when its whole text may stand, so a
// change that makes it false is refused. Every beginning of a text that may stand may stand too,
// so the text can be typed a character at a time.
//  - the total: a minus, up to 14 digits, a comma or a point and up to four decimals;
//  - the product code: anything, as long as its field allows;
//  - the number: digits only, as many as typed.
bool MayStand(SearchField field, std::string_view text);

}  // namespace kuitti

namespace kuitti {

// The text a field keeps of a change that makes its whole text `text`: the text itself where it
// may stand; in the number field, the voucher as the copy prints it ("M104233-001", pasted from
// a copy or the list) as its digits, "104233"; nothing where the change is refused.
std::optional<std::string> KeptText(SearchField field, std::string_view text);

}  // namespace kuitti
