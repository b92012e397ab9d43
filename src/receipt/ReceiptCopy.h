#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "FileAccess.h"
#include "Module1.h"
#include "NumberFormat.h"
#include "OpenDataFiles.h"

namespace kuitti {

// Renders the receipt copy of the voucher number typed as `entry` (UTF-8, untrimmed) from the
// open data files: the copy as UTF-8 text, or nothing when no row of the voucher was
// rendered. Errors pass to the caller; what was built up to them is dropped.
std::optional<std::string> BuildReceiptCopy(Module1& module, const DataFiles& files,
                                            std::string_view entry, const NumberFormat& format);

// One whole fetch: opens the data files under module.sales.DataPath, builds the copy and
// closes the files again, whether the build succeeds or fails. Running out of memory is
// raised as error 7 like every other failure.
std::optional<std::string> FetchReceiptCopy(Module1& module, FileSystem& fileSystem,
                                            std::string_view entry, const NumberFormat& format);

// What the user is told when no row of the voucher was found.
std::string NotFoundMessage(std::string_view entry);

}  // namespace kuitti
