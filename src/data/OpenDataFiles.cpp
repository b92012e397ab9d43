#include <array>
#include <string_view>

#include "SalesData.h"

namespace kuitti {

void OpenDataFiles(SalesData& data, FileSystem& fileSystem) {
  struct DataFile {
    std::string_view name;
    int number;
  };
  static constexpr std::array<DataFile, 4> kDataFiles = {{
      {"CASSA.001", OpenFiles::kProductIndex},
      {"CASSA.002", OpenFiles::kProducts},
      {"CASSA.004", OpenFiles::kReceiptRows},
      {"CASSA.005", OpenFiles::kCassa005},
  }};
  for (const DataFile& file : kDataFiles) {
    data.files.Open(file.number, fileSystem.OpenShared(data.DataPath + std::string(file.name)));
  }
}

}  // namespace kuitti
