#include "ReceiptCopy.h"

namespace kuitti {

void FetchReceiptCopy(Module1& module, FileSystem& fileSystem, std::string_view entry,
                      ReceiptOutput& output, const NumberFormat& format) {
  struct CloseOnExit {
    OpenFiles& files;
    ~CloseOnExit() { files.CloseAll(); }
  } closeOnExit{module.sales.files};

  OpenDataFiles(module.sales, fileSystem);
  BuildReceiptCopy(module, entry, output, format);
}

}  // namespace kuitti
