#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "receipt/Module1.h"
#include "receipt/ReceiptCopy.h"
#include "support/DataFiles.h"

namespace kuitti::test {

// One fetch from the directory under Finnish number settings, with a fresh program state
// unless one is given: the copy, or nothing when the voucher was not found.
std::optional<std::string> FetchFrom(const DataDirectory& directory, std::string_view entry);
std::optional<std::string> FetchFrom(const DataDirectory& directory, std::string_view entry,
                                     Module1& module, std::string_view decimalSeparator = ",");
// The same fetch, with the warnings that come with the copy.
std::optional<ReceiptCopy> FetchCopyFrom(const DataDirectory& directory, std::string_view entry,
                                         Module1& module, std::string_view decimalSeparator = ",");

// The lines of a copy, split at CR LF.
std::vector<std::string> Lines(const std::string& copy);

}  // namespace kuitti::test
