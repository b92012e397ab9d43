// The tool only reads the point-of-sale files: every kind of fetch leaves them byte for byte
// as they were, with their modification times, opens them read-only and creates nothing.

#include <fcntl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>

#include "data/RuntimeError.h"
#include "receipt/ReceiptCopy.h"
#include "support/Fetch.h"

namespace kuitti::test {
namespace {

struct FileState {
  std::string bytes;
  std::filesystem::file_time_type modified;
};

std::map<std::string, FileState> Snapshot(const std::filesystem::path& directory) {
  std::map<std::string, FileState> files;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    files[entry.path().filename().string()] = {ReadFileBytes(entry.path()),
                                               std::filesystem::last_write_time(entry.path())};
  }
  return files;
}

// Looks at the open files once all four are open, while the fetch runs.
class InspectingFileSystem final : public FileSystem {
 public:
  explicit InspectingFileSystem(std::filesystem::path directory)
      : directory_(std::move(directory)) {}

  std::unique_ptr<RandomAccessFile> OpenShared(const std::string& path) override {
    auto file = SystemFileSystem().OpenShared(path);
    modes = OpenAccessModes(directory_);
    return file;
  }

  std::map<std::string, int> modes;

 private:
  std::filesystem::path directory_;
};

TEST(NothingWritten, FetchesLeaveTheDataFilesAsTheyWereAndOpenThemReadOnly) {
  DataDirectory directory;
  directory.WriteAll({{"6410000000011", "Maito 1l"}},
                     {Row{.voucher = "123456",
                          .productCode = "6410000000011",
                          .priceRaw = 12500,
                          .quantityRaw = 10000,
                          .vatRate = 14},
                      Row{.voucher = "123456", .saleTime = 45000.5, .priceRaw = 12500},
                      Row{.voucher = "666666",
                          .productCode = "6410000000011",
                          .priceRaw = 10000,
                          .quantityRaw = 10000,
                          .vatRate = -100}});
  // Old times, so that any write would show.
  const auto old =
      std::filesystem::last_write_time(directory.path()) - std::chrono::hours(24 * 365);
  for (const auto& entry : std::filesystem::directory_iterator(directory.path())) {
    std::filesystem::last_write_time(entry.path(), old);
  }
  const auto before = Snapshot(directory.path());

  const std::string dataPath = directory.DataPath();
  // A copy, a voucher that is not there, and a build that fails midway.
  for (const char* entry : {"123456", "999999", "666666"}) {
    SCOPED_TRACE(entry);
    Module1 module;
    module.sales.DataPath = dataPath;
    InspectingFileSystem files(directory.path());
    try {
      FetchReceiptCopy(module, files, entry, NumberFormat{","});
    } catch (const RuntimeError&) {
    }
    const std::map<std::string, int> readOnly = {{"CASSA.001", O_RDONLY},
                                                 {"CASSA.002", O_RDONLY},
                                                 {"CASSA.004", O_RDONLY},
                                                 {"CASSA.005", O_RDONLY}};
    EXPECT_EQ(files.modes, readOnly);
    EXPECT_TRUE(OpenAccessModes(directory.path()).empty()) << "files left open";
  }

  const auto after = Snapshot(directory.path());
  ASSERT_EQ(after.size(), before.size()) << "a file was created or removed";
  for (const auto& [name, state] : before) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(after.contains(name));
    EXPECT_EQ(after.at(name).bytes, state.bytes);
    EXPECT_EQ(after.at(name).modified, state.modified);
  }
}

}  // namespace
}  // namespace kuitti::test
