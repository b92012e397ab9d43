#include <new>

#include "ReceiptCopy.h"
#include "RuntimeError.h"

namespace kuitti {

void FetchReceiptCopy(Module1& module, FileSystem& fileSystem, std::string_view entry,
                      ReceiptOutput& output, const NumberFormat& format) {
  struct CloseOnExit {
    OpenFiles& files;
    ~CloseOnExit() { files.CloseAll(); }
  } closeOnExit{module.sales.files};

  try {
    OpenDataFiles(module.sales, fileSystem);
    BuildReceiptCopy(module, entry, output, format);
  } catch (const std::bad_alloc&) {
    // A damaged file can name one voucher on millions of rows; the copy then outgrows memory.
    throw RuntimeError(kOutOfMemory, "Out of memory");
  }
}

}  // namespace kuitti
