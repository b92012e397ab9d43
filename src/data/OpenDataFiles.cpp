#include "data/OpenDataFiles.h"

namespace kuitti {

DataFiles OpenDataFiles(FileSystem& fileSystem, const std::string& dataPath) {
  const auto open = [&](std::string_view name) {
    return fileSystem.OpenShared(dataPath + std::string(name));
  };
  DataFiles files;
  files.productIndex = open(kProductIndexFileName);
  files.products = open(kProductsFileName);
  files.receiptRows = open(kReceiptRowsFileName);
  files.cassa005 = open(kCassa005FileName);
  return files;
}

}  // namespace kuitti
