#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/FileAccess.h"
#include "data/OpenDataFiles.h"
#include "receipt/Module1.h"
#include "receipt/NumberFormat.h"

namespace kuitti {

// A rendered copy, and what the user must be told beside it where the copy, though it shows
// the files as they are, may mislead: a receipt still being written, two receipts under one
// number, a VAT rate the summary cannot show, a product name the products file lacks.
struct ReceiptCopy {
  std::string text;                   // UTF-8, lines ending in CR LF
  std::vector<std::string> warnings;  // in Finnish, one sentence each
};

// Renders the receipt copy of the voucher number typed as `entry` (UTF-8, untrimmed) from the
// open data files, or nothing when no row of the voucher was rendered. Errors pass to the
// caller; what was built up to them is dropped.
std::optional<ReceiptCopy> BuildReceiptCopy(Module1& module, const DataFiles& files,
                                            std::string_view entry, const NumberFormat& format);

// One whole fetch: opens the data files under module.sales.DataPath, builds the copy and
// closes the files again, whether the build succeeds or fails. Running out of memory is
// raised as error 7 like every other failure.
std::optional<ReceiptCopy> FetchReceiptCopy(Module1& module, FileSystem& fileSystem,
                                            std::string_view entry, const NumberFormat& format);

// What the user is told when no row of the voucher was found.
std::string NotFoundMessage(std::string_view entry);

}  // namespace kuitti
