#include "data/PickedRecordScanner.h"

#include "data/RuntimeError.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

// A record of 10 bytes with its index in the file, as a pick gives it.
struct KeptRecord {
  std::int64_t index = 0;
  std::array<unsigned char, 10> bytes{};
};

// A scan that keeps every record.
PickedRecordScanner<KeptRecord> KeepingAll(RandomAccessFile& file, std::int32_t count,
                                           std::size_t block) {
  return {file, 10, count,
          [](std::span<const unsigned char> records, std::int64_t first,
             std::vector<KeptRecord>& kept) {
            for (std::size_t at = 0; at < records.size(); at += 10) {
              KeptRecord& record = kept.emplace_back();
              record.index = first + static_cast<std::int64_t>(at / 10);
              std::copy_n(records.begin() + static_cast<std::ptrdiff_t>(at), 10,
                          record.bytes.begin());
            }
          },
          block};
}

std::vector<std::string> ScanAll(RandomAccessFile& file, std::int32_t count, std::size_t block) {
  PickedRecordScanner<KeptRecord> scanner = KeepingAll(file, count, block);
  std::vector<std::string> records;
  while (const KeptRecord* record = scanner.Next()) {
    EXPECT_EQ(record->index, std::ssize(records)) << "blocks of " << block;
    records.emplace_back(record->bytes.begin(), record->bytes.end());
  }
  return records;
}

TEST(PickedRecordScanner, BlocksOfAnySizeHoldWholeRecords) {
  ChangingFile file(NumberedRecords(7));
  // Blocks of 25 bytes are read as two records each.
  const auto records = ScanAll(file, 7, 25);
  ASSERT_EQ(records.size(), 7u);
  for (int n = 1; n <= 7; ++n) {
    EXPECT_EQ(records[static_cast<std::size_t>(n - 1)], std::string(10, static_cast<char>(n)));
  }
  EXPECT_LT(file.reads, 7) << "the scan must not read record by record";
}

TEST(PickedRecordScanner, PartialLastRecordAndRecordsPastTheEndReadAsZeros) {
  ChangingFile file(NumberedRecords(2) + std::string(4, '\x03'));
  const auto records = ScanAll(file, 4, 16);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[1], std::string(10, '\x02'));
  EXPECT_EQ(records[2], std::string(4, '\x03') + std::string(6, '\0'));
  EXPECT_EQ(records[3], std::string(10, '\0'));
}

TEST(PickedRecordScanner, StopsAtTheCountTakenAtTheStartWhileTheFileGrows) {
  ChangingFile file(NumberedRecords(5));
  file.afterRead = [](std::string& bytes, std::int64_t) { bytes += std::string(10, 'x'); };
  const auto records = ScanAll(file, 5, 20);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[4], std::string(10, '\x05'));
}

TEST(PickedRecordScanner, AFileTruncatedDuringTheScanGivesZerosForTheLostRecords) {
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
TEST(PickedRecordScanner, AReadErrorAheadIsRaisedInTheScanAsTheSameError) {
  ChangingFile file(NumberedRecords(100));
  file.afterRead = [](std::string&, std::int64_t offset) {
    if (offset >= 300) {  // the fourth block
      throw RuntimeError(kDeviceIoError, "Tiedoston lukuvirhe: CASSA.004");
    }
  };
  PickedRecordScanner<KeptRecord> scanner = KeepingAll(file, 100, 100);
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

TEST(PickedRecordScanner, AScanLeftHalfwayStopsReadingAhead) {
  for (int left = 0; left < 200; left += 37) {
    ChangingFile file(NumberedRecords(200));
    {
      PickedRecordScanner<KeptRecord> scanner = KeepingAll(file, 200, 10);
      for (int n = 1; n <= left; ++n) {
        ASSERT_EQ(scanner.Next()->bytes[0], n);
      }
    }
    EXPECT_LE(file.furthestRead, (left + 8) * 10) << "eight blocks ahead at most";
  }
}

TEST(PickedRecordScanner, NoRecordsForACountOfZeroOrLess) {
  ChangingFile file(NumberedRecords(3));
  EXPECT_TRUE(ScanAll(file, 0, 20).empty());
  EXPECT_TRUE(ScanAll(file, -4, 20).empty());
  EXPECT_EQ(file.reads, 0);
}

// The numbers of the records numbered by a multiple of `every`, each kept as one byte.
std::vector<int> PickAll(RandomAccessFile& file, std::int32_t count, std::size_t block, int every) {
  PickedRecordScanner<unsigned char> scanner(
      file, 10, count,
      [every](std::span<const unsigned char> records, std::int64_t,
              std::vector<unsigned char>& kept) {
        for (std::size_t at = 0; at < records.size(); at += 10) {
          if (records[at] % every == 0) {
            kept.push_back(records[at]);
          }
        }
      },
      block);
  std::vector<int> numbers;
  while (const unsigned char* entry = scanner.Next()) {
    numbers.push_back(*entry);
  }
  return numbers;
}

TEST(PickedRecordScanner, VisitsWhatIsKeptOfThePickedRecordsInFileOrder) {
  struct Case {
    int records;
    std::size_t block;  // rounded down to whole records, at least one
    int every;
  };
  for (const Case& c : std::vector<Case>{{0, 30, 1},
                                         {1, 30, 1},
                                         {7, 25, 1},
                                         {7, 5, 2},
                                         {200, 30, 3},
                                         {200, 10, 7},
                                         {200, 4096, 5},
                                         {200, 30, 255}}) {
    ChangingFile file(NumberedRecords(c.records));
    std::vector<int> expected;
    for (int n = 1; n <= c.records; ++n) {
      if (n % c.every == 0) {
        expected.push_back(n);
      }
    }
    EXPECT_EQ(PickAll(file, c.records, c.block, c.every), expected)
        << c.records << " records, blocks of " << c.block << ", every " << c.every;
  }
}

TEST(PickedRecordScanner, RecordsLostOrAddedDuringTheScanAreZerosOrLeftOut) {
  ChangingFile shrinking(NumberedRecords(60));
  shrinking.afterRead = [](std::string& bytes, std::int64_t) {
    bytes.resize(std::min<std::size_t>(bytes.size(), 200));
  };
  // Zeros are record "0", which every pick of every number keeps.
  std::vector<int> expected;
  for (int n = 1; n <= 60; ++n) {
    expected.push_back(n <= 20 ? n : 0);
  }
  EXPECT_EQ(PickAll(shrinking, 60, 100, 1), expected);

  ChangingFile growing(NumberedRecords(5));
  growing.afterRead = [](std::string& bytes, std::int64_t) { bytes += NumberedRecords(9); };
  EXPECT_EQ(PickAll(growing, 5, 20, 1), (std::vector<int>{1, 2, 3, 4, 5}));
}

// The pick runs on whichever thread read the block; what goes wrong there, or in the read,
// must surface in the scan as the same error, after the records picked before it.
TEST(PickedRecordScanner, AnErrorInTheReadOrThePickIsRaisedInTheScan) {
  for (const bool inThePick : {false, true}) {
    ChangingFile file(NumberedRecords(100));
    if (!inThePick) {
      file.afterRead = [](std::string&, std::int64_t offset) {
        if (offset >= 300) {
          throw RuntimeError(kDeviceIoError, "Tiedoston lukuvirhe: CASSA.004");
        }
      };
    }
    std::vector<int> picked;
    PickedRecordScanner<unsigned char> scanner(
        file, 10, 100,
        [inThePick](std::span<const unsigned char> records, std::int64_t,
                    std::vector<unsigned char>& kept) {
          for (std::size_t at = 0; at < records.size(); at += 10) {
            if (inThePick && records[at] == 35) {
              throw RuntimeError(kDeviceIoError, "Tiedoston lukuvirhe: CASSA.004");
            }
            kept.push_back(records[at]);
          }
        },
        100);
    const RaisedError error = ErrorOf([&] {
      while (const unsigned char* entry = scanner.Next()) {
        picked.push_back(*entry);
      }
    });
    EXPECT_EQ(error.number, kDeviceIoError) << inThePick;
    EXPECT_EQ(error.description, "Tiedoston lukuvirhe: CASSA.004") << inThePick;
    EXPECT_EQ(picked.size(), 30u) << "the records of the three blocks before, " << inThePick;
  }
}

}  // namespace
}  // namespace kuitti::test
