#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "data/FileAccess.h"

namespace kuitti {

inline constexpr std::string_view kProductIndexFileName = "CASSA.001";
inline constexpr std::string_view kProductsFileName = "CASSA.002";
inline constexpr std::string_view kReceiptRowsFileName = "CASSA.004";
inline constexpr std::string_view kCassa005FileName = "CASSA.005";

// The four data files of one fetch. They close when the object goes, on every path, so no
// file stays open between fetches and each fetch sees the files as they are at that moment.
struct DataFiles {
  std::unique_ptr<RandomAccessFile> productIndex;  // CASSA.001
  std::unique_ptr<RandomAccessFile> products;      // CASSA.002
  std::unique_ptr<RandomAccessFile> receiptRows;   // CASSA.004
  std::unique_ptr<RandomAccessFile> cassa005;      // CASSA.005: must open, is never read
};

// Opens CASSA.001, .002, .004 and .005, in that order, each under dataPath followed directly
// by the file name. A failure closes the files opened before it.
DataFiles OpenDataFiles(FileSystem& fileSystem, const std::string& dataPath);

}  // namespace kuitti
