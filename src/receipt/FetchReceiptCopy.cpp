#include <new>

#include "data/RuntimeError.h"
#include "receipt/ReceiptCopy.h"

namespace kuitti {

std::optional<ReceiptCopy> FetchReceiptCopy(Module1& module, FileSystem& fileSystem,
                                            std::string_view entry, const NumberFormat& format) {
  try {
    const DataFiles files = OpenDataFiles(fileSystem, module.sales.DataPath);
    return BuildReceiptCopy(module, files, entry, format);
  } catch (const std::bad_alloc&) {
    // A damaged file can name one voucher on millions of rows; the copy then outgrows memory.
    RaiseOutOfMemory();
  }
}

}  // namespace kuitti
