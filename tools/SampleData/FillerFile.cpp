#include "FillerFile.h"

#include "Random.h"

namespace kuitti::tools {

namespace {

constexpr int kRecords = 300;
constexpr double kFirstDay = 45293.0;  // 2024-01-02

}  // namespace

// Shaped like a till closing log (till, running number, closing time, cash in
// the drawer, free text) so a hex dump looks plausible.
FileSummary WriteFillerFile(const std::filesystem::path& path, std::uint64_t seed) {
  Rng rng(seed);
  RecordWriter file(path, kCassa005RecordLength);
  for (int i = 0; i < kRecords; ++i) {
    char* record = file.Add();
    record[0] = 'K';
    record[1] = static_cast<char>('1' + i % 3);
    PutInt32(record, {2, 4}, i + 1);
    PutDouble(record, {6, 8}, kFirstDay + (i / 3) * 11 + 21.0 / 24.0);  // 21:00
    PutInt64(record, {14, 8}, rng.Between(20000, 250000) * 100);        // currency
    PutSpaces(record, {22, 21});
  }
  return file.Close();
}

}  // namespace kuitti::tools
