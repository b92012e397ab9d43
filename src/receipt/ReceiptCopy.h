#pragma once

#include <string_view>

#include "FileAccess.h"
#include "Module1.h"
#include "NumberFormat.h"
#include "ReceiptOutput.h"

namespace kuitti {

// Renders the receipt copy of the voucher number typed as `entry` (UTF-8, untrimmed) from the
// open data files. When no row of the voucher is rendered the output is emptied and the
// not-found message shown. Errors pass to the caller with the copy half written.
void BuildReceiptCopy(Module1& module, std::string_view entry, ReceiptOutput& output,
                      const NumberFormat& format);

// One whole fetch: opens the data files under module.sales.DataPath, builds the copy and
// closes every file again, whether the build succeeds or fails. Running out of memory is
// raised as error 7 like every other failure.
void FetchReceiptCopy(Module1& module, FileSystem& fileSystem, std::string_view entry,
                      ReceiptOutput& output, const NumberFormat& format);

}  // namespace kuitti
