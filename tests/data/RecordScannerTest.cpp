#include "RecordScanner.h"

#include "ErrorNumber.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace kuitti::test {
namespace {

// A file in memory that counts its reads and can change between them, as a file that the
// point-of-sale system writes during a scan.
class ChangingFile final : public RandomAccessFile {
 public:
  explicit ChangingFile(std::string bytes) : bytes_(std::move(bytes)) {}

  std::int64_t Length() override { return static_cast<std::int64_t>(bytes_.size()); }
  // The scan reads on two threads at once.
  std::size_t ReadAt(std::int64_t offset, std::span<unsigned char> out) override {
    const std::lock_guard lock(mutex_);
    ++reads;
    furthestRead = std::max(furthestRead, offset + std::ssize(out));
    if (afterRead) {
      afterRead(bytes_, offset);
    }
    const auto at = static_cast<std::size_t>(offset);
    if (at >= bytes_.size()) {
      return 0;
    }
    const std::size_t count = std::min(out.size(), bytes_.size() - at);
    std::memcpy(out.data(), bytes_.data() + at, count);
    return count;
  }

  int reads = 0;
  std::int64_t furthestRead = 0;  // one past the last byte asked for
  // Runs at each read before its bytes are taken, with the offset read from.
  std::function<void(std::string&, std::int64_t)> afterRead;

 private:
  std::mutex mutex_;
  std::string bytes_;
};

// Records of 10 bytes whose bytes all hold the record's number.
std::string NumberedRecords(int count) {
  std::string bytes;
  for (int n = 1; n <= count; ++n) {
    bytes += std::string(10, static_cast<char>(n));
  }
  return bytes;
}

std::vector<std::string> ScanAll(RandomAccessFile& file, std::int32_t count, std::size_t block) {
  RecordScanner scanner(file, 10, count, block);
  std::vector<std::string> records;
  while (const unsigned char* record = scanner.Next()) {
    records.emplace_back(reinterpret_cast<const char*>(record), 10);
  }
  return records;
}

TEST(RecordScanner, RecordsSplitAcrossReadsComeOutWhole) {
  ChangingFile file(NumberedRecords(7));
  // 25-byte reads cut records 3 and 5 in two.
  const auto records = ScanAll(file, 7, 25);
  ASSERT_EQ(records.size(), 7u);
  for (int n = 1; n <= 7; ++n) {
    EXPECT_EQ(records[static_cast<std::size_t>(n - 1)], std::string(10, static_cast<char>(n)));
  }
  EXPECT_LT(file.reads, 7) << "the scan must not read record by record";
}

TEST(RecordScanner, PartialLastRecordAndRecordsPastTheEndReadAsZeros) {
  ChangingFile file(NumberedRecords(2) + std::string(4, '\x03'));
  const auto records = ScanAll(file, 4, 16);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[1], std::string(10, '\x02'));
  EXPECT_EQ(records[2], std::string(4, '\x03') + std::string(6, '\0'));
  EXPECT_EQ(records[3], std::string(10, '\0'));
}

TEST(RecordScanner, StopsAtTheCountTakenAtTheStartWhileTheFileGrows) {
  ChangingFile file(NumberedRecords(5));
  file.afterRead = [](std::string& bytes, std::int64_t) { bytes += std::string(10, 'x'); };
  const auto records = ScanAll(file, 5, 20);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[4], std::string(10, '\x05'));
}

TEST(RecordScanner, AFileTruncatedDuringTheScanGivesZerosForTheLostRecords) {
  ChangingFile file(NumberedRecords(6));
  file.afterRead = [](std::string& bytes, std::int64_t) {
    bytes.resize(std::min<std::size_t>(bytes.size(), 20));
  };
  const auto records = ScanAll(file, 6, 30);
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[1], std::string(10, '\x02'));  // read before the cut
  EXPECT_EQ(records[5], std::string(10, '\0'));
}

// Blocks are read ahead on another thread; what goes wrong there must surface in the scan.
TEST(RecordScanner, AReadErrorAheadIsRaisedInTheScanAsTheSameError) {
  ChangingFile file(NumberedRecords(100));
  file.afterRead = [](std::string&, std::int64_t offset) {
    if (offset >= 300) {  // the fourth block
      throw RuntimeError(kDeviceIoError, "Tiedoston lukuvirhe: CASSA.004");
    }
  };
  RecordScanner scanner(file, 10, 100, 100);
  int scanned = 0;
  const RaisedError error = ErrorOf([&] {
    while (scanner.Next()) {
      ++scanned;
    }
  });
  EXPECT_EQ(error.number, kDeviceIoError);
  EXPECT_EQ(error.description, "Tiedoston lukuvirhe: CASSA.004");
  EXPECT_EQ(scanned, 30) << "the three blocks read before the error";
}

TEST(RecordScanner, AScanLeftHalfwayStopsReadingAhead) {
  for (int left = 0; left < 200; left += 37) {
    ChangingFile file(NumberedRecords(200));
    {
      RecordScanner scanner(file, 10, 200, 10);
      for (int n = 1; n <= left; ++n) {
        ASSERT_EQ(*scanner.Next(), n);
      }
    }
    EXPECT_LE(file.furthestRead, (left + 8) * 10) << "eight blocks ahead at most";
  }
}

TEST(RecordScanner, NoRecordsForACountOfZeroOrLess) {
  ChangingFile file(NumberedRecords(3));
  EXPECT_TRUE(ScanAll(file, 0, 20).empty());
  EXPECT_TRUE(ScanAll(file, -4, 20).empty());
  EXPECT_EQ(file.reads, 0);
}

}  // namespace
}  // namespace kuitti::test
