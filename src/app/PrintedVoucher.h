#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kuitti {

// The voucher as the copy's heading and the search list print it, "M104233-001", typed or
// pasted where the number is asked for: its six characters, "104233". That is "M" or "m",
// six characters that are no spaces, then "-001" or nothing, with spaces around; anything
// else, an entry of six characters above all, is no printed voucher, since voucher numbers
// may hold letters. UTF-8.
std::optional<std::string> VoucherOfPrintedNumber(std::string_view entry);

}  // namespace kuitti
