#include "support/LoggingFileSystem.h"

namespace kuitti::test {
namespace {

class LoggingFile final : public RandomAccessFile {
 public:
  LoggingFile(std::unique_ptr<RandomAccessFile> inner, std::string path,
              std::vector<LoggingFileSystem::Read>& log)
      : inner_(std::move(inner)), path_(std::move(path)), log_(log) {}

  std::int64_t Length() override { return inner_->Length(); }

  std::size_t ReadAt(std::int64_t offset, std::span<unsigned char> out) override {
    log_.push_back({path_, offset, out.size()});
    return inner_->ReadAt(offset, out);
  }

 private:
  std::unique_ptr<RandomAccessFile> inner_;
  std::string path_;
  std::vector<LoggingFileSystem::Read>& log_;
};

}  // namespace

std::unique_ptr<RandomAccessFile> LoggingFileSystem::OpenShared(const std::string& path) {
  opened_.push_back(path);
  return std::make_unique<LoggingFile>(inner_.OpenShared(path), path, reads_);
}

std::vector<std::int32_t> LoggingFileSystem::RecordsRead(std::string_view fileName,
                                                         int recordLength) const {
  std::vector<std::int32_t> records;
  for (const Read& read : reads_) {
    if (read.path.ends_with(fileName) && read.offset % recordLength == 0) {
      records.push_back(static_cast<std::int32_t>(read.offset / recordLength + 1));
    }
  }
  return records;
}

}  // namespace kuitti::test
