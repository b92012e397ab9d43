#include "filler.h"

#include "random.h"

namespace sample_data {

namespace {

constexpr std::size_t kRecordSize = 43;
constexpr int kRecords = 300;
constexpr double kFirstDay = 45293.0;  // 2024-01-02

}  // namespace

// Shaped like a till closing log (till, running number, closing time, cash in
// the drawer, free text) so a hex dump looks plausible.
FileSummary write_filler_file(const std::filesystem::path& path, std::uint64_t seed) {
  Rng rng(seed);
  RecordFile file(path, kRecordSize);
  for (int i = 0; i < kRecords; ++i) {
    char* record = file.add();
    record[0] = 'K';
    record[1] = static_cast<char>('1' + i % 3);
    put_i32(record, 2, i + 1);
    put_f64(record, 6, kFirstDay + (i / 3) * 11 + 21.0 / 24.0);  // 21:00
    put_i64(record, 14, rng.between(20000, 250000) * 100);       // currency
    put_spaces(record, 22, 21);
  }
  return file.close();
}

}  // namespace sample_data
