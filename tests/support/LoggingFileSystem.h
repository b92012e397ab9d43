#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/FileAccess.h"

namespace kuitti::test {

// Passes every call on to another file system and writes down which paths were opened (or
// attempted) and which bytes were read from which file.
class LoggingFileSystem final : public FileSystem {
 public:
  struct Read {
    std::string path;
    std::int64_t offset;
    std::size_t size;
  };

  explicit LoggingFileSystem(FileSystem& inner) : inner_(inner) {}

  std::unique_ptr<RandomAccessFile> OpenShared(const std::string& path) override;

  const std::vector<std::string>& opened() const { return opened_; }
  const std::vector<Read>& reads() const { return reads_; }
  void ClearReads() { reads_.clear(); }

  // The numbers of the records read from the file whose path ends with the name, in the order
  // of the reads; a record is counted once per read that starts at its first byte.
  std::vector<std::int32_t> RecordsRead(std::string_view fileName, int recordLength) const;

 private:
  FileSystem& inner_;
  std::vector<std::string> opened_;
  std::vector<Read> reads_;
};

}  // namespace kuitti::test
