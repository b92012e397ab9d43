// Cuts small fuzz seeds out of a full data set: for each chosen voucher, its rows, the index
// records of the products they name (renumbered) and those products.
//   kuittikopio-fuzz-seeds DATA_DIR OUT_DIR VOUCHER...

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "data/Records.h"

namespace {

using kuitti::ProductIndexRecord;
using kuitti::ReceiptRowRecord;

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Records(const std::string& bytes, std::size_t length) {
  std::vector<std::string> records;
  for (std::size_t at = 0; at + length <= bytes.size(); at += length) {
    records.push_back(bytes.substr(at, length));
  }
  return records;
}

std::int32_t RecordNumberOf(const std::string& indexRecord) {
  std::int32_t number = 0;
  std::memcpy(&number, indexRecord.data() + ProductIndexRecord::kProductRecordNumber.offset,
              sizeof number);  // little-endian machine
  return number;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: kuittikopio-fuzz-seeds DATA_DIR OUT_DIR VOUCHER...\n";
    return 2;
  }
  const std::filesystem::path data = argv[1];
  const std::filesystem::path out = argv[2];
  const auto index = Records(ReadAll(data / "CASSA.001"), ProductIndexRecord::kLength);
  const auto products = Records(ReadAll(data / "CASSA.002"), kuitti::ProductRecord::kLength);
  const auto rows = Records(ReadAll(data / "CASSA.004"), ReceiptRowRecord::kLength);
  std::filesystem::create_directories(out);

  for (int a = 3; a < argc; ++a) {
    const std::string voucher = argv[a];
    kuitti::fuzz::FuzzInput input;
    input.entry = voucher;
    std::vector<std::string> seedIndex;
    for (const std::string& row : rows) {
      constexpr auto kVoucher = ReceiptRowRecord::kVoucherNumber;
      if (row.compare(kVoucher.offset, kVoucher.width, voucher) != 0) {
        continue;
      }
      input.files[2] += row;
      constexpr auto kRowCode = ReceiptRowRecord::kProductCode;
      constexpr auto kIndexCode = ProductIndexRecord::kProductCode;
      const std::string code = row.substr(kRowCode.offset, kRowCode.width);
      for (const std::string& record : index) {
        if (record.compare(kIndexCode.offset, kIndexCode.width, code) == 0) {
          seedIndex.push_back(record);
        }
      }
    }
    std::sort(seedIndex.begin(), seedIndex.end());
    seedIndex.erase(std::unique(seedIndex.begin(), seedIndex.end()), seedIndex.end());
    for (std::size_t i = 0; i < seedIndex.size(); ++i) {
      const std::int32_t original = RecordNumberOf(seedIndex[i]);
      if (original >= 1 && static_cast<std::size_t>(original) <= products.size()) {
        input.files[1] += products[static_cast<std::size_t>(original) - 1];
      }
      const auto renumbered = static_cast<std::int32_t>(i + 1);
      std::memcpy(seedIndex[i].data() + ProductIndexRecord::kProductRecordNumber.offset,
                  &renumbered, sizeof renumbered);
      input.files[0] += seedIndex[i];
    }
    std::ofstream(out / ("seed-" + voucher), std::ios::binary)
        << kuitti::fuzz::JoinFuzzInput(input);
  }
  return 0;
}
