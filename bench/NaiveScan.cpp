// The straightforward scan, kept only as a yardstick for the benchmark: one positioned read
// and a full decode per record, the voucher compared on the decoded fields.
//   kuittikopio-naive-scan DATA_DIR ENTRY   prints the number of rows of the voucher

#include <cstdio>
#include <string>

#include "data/RecordFile.h"
#include "data/Records.h"
#include "data/RuntimeError.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kuittikopio-naive-scan DATA_DIR ENTRY\n");
    return 2;
  }
  try {
    const std::string path = std::string(argv[1]) + "/CASSA.004";
    const auto file = kuitti::SystemFileSystem().OpenShared(path);
    const std::int32_t count = kuitti::RecordCount(*file, kuitti::ReceiptRowRecord::kLength);
    const std::string entry = argv[2];
    kuitti::ReceiptRowRecord row;
    long matches = 0;
    for (std::int32_t n = 1; n <= count; ++n) {
      kuitti::ReadRecord(*file, n, row);
      bool same = entry.size() == row.VoucherNumber.size();
      for (std::size_t i = 0; same && i < entry.size(); ++i) {
        same = static_cast<char32_t>(static_cast<unsigned char>(entry[i])) == row.VoucherNumber[i];
      }
      matches += same;
    }
    std::printf("%ld\n", matches);
    return 0;
  } catch (const kuitti::RuntimeError& error) {
    std::fprintf(stderr, "Virhe %d: %s\n", error.number(), error.description().c_str());
    return 2;
  }
}
