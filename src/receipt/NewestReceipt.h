#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "data/FileAccess.h"

namespace kuitti {

// The day the copy shows for the newest receipt: that of the last rendered totals row dated
// from 30.12.1899 on in DataPath + "CASSA.004", which the till appends; nothing when the
// file holds none.
// The file is read from its end backwards a block at a time, so that a till's whole history
// costs no more than its last receipts. Errors are raised as the search's.
std::optional<std::int32_t> NewestReceiptDay(const std::string& dataPath, FileSystem& fileSystem);

// The day number (days since 30 December 1899) that the copy's date shows for a day value
// that has a date.
std::int32_t DayShown(double dayValue);

}  // namespace kuitti
