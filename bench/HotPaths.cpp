// The pieces of a fetch that run per record or per rendered row.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "LookUpProduct.h"
#include "MemoryFiles.h"
#include "ReceiptCopy.h"
#include "RecordScanner.h"
#include "Records.h"
#include "RowSelector.h"

namespace {

using kuitti::ReceiptRowRecord;

std::string Row(const char* kind, const char* voucher, const char* code, std::int64_t price,
                std::int64_t quantity, std::int16_t vat) {
  std::string row(ReceiptRowRecord::kLength, '\0');
  std::memcpy(&row[0], kind, 1);
  std::memcpy(&row[1], voucher, 6);
  std::memcpy(&row[7], "001", 3);
  std::memset(&row[29], ' ', 13);
  std::memcpy(&row[29], code, std::strlen(code));
  std::memcpy(&row[50], &price, 8);
  std::memcpy(&row[58], &quantity, 8);
  std::memcpy(&row[82], &vat, 2);
  return row;
}

// Index records of codes 0000000000000, 0000000000002, ... (even numbers), n of them.
std::string EvenIndex(int n) {
  std::string index;
  for (int i = 0; i < n; ++i) {
    char code[14];
    std::snprintf(code, sizeof code, "%013d", 2 * i);
    std::string record(code, 13);
    const std::int32_t number = i + 1;
    record.append(reinterpret_cast<const char*>(&number), 4);
    record += ' ';
    index += record;
  }
  return index;
}

void VoucherMatchPerRecord(benchmark::State& state) {
  std::string rows;
  for (int i = 0; i < 10000; ++i) {
    rows += Row("M", i % 97 == 0 ? "123456" : "654321", "6410000000011", 12500, 20000, 24);
  }
  const kuitti::RowSelector selector("123456");
  for (auto _ : state) {
    int rendered = 0;
    for (std::size_t at = 0; at < rows.size(); at += ReceiptRowRecord::kLength) {
      rendered += selector.IsRendered(reinterpret_cast<const unsigned char*>(&rows[at]));
    }
    benchmark::DoNotOptimize(rendered);
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(VoucherMatchPerRecord);

void ScanOfMemoryFile(benchmark::State& state) {
  std::string rows;
  for (int i = 0; i < 100000; ++i) {
    rows += Row("M", "654321", "6410000000011", 12500, 20000, 24);
  }
  kuitti::fuzz::MemoryFileSystem files;
  files.Put("rows", rows);
  const auto file = files.OpenShared("rows");
  const kuitti::RowSelector selector("123456");
  for (auto _ : state) {
    kuitti::RecordScanner scanner(*file, ReceiptRowRecord::kLength, 100000);
    int rendered = 0;
    while (const unsigned char* row = scanner.Next()) {
      rendered += selector.IsRendered(row);
    }
    benchmark::DoNotOptimize(rendered);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(rows.size()));
}
BENCHMARK(ScanOfMemoryFile);

// A whole copy of a voucher with one item row: the frame, the row with its lookup, the
// summary; everything but the scan of a large file.
void CopyOfOneItemRow(benchmark::State& state) {
  kuitti::fuzz::MemoryFileSystem files;
  files.Put("/d/CASSA.001", EvenIndex(1000));
  files.Put("/d/CASSA.002", std::string(1000 * 356, 'x'));
  files.Put("/d/CASSA.004", Row("M", "123456", "0000000000998", 12500, 20000, 24));
  files.Put("/d/CASSA.005", "");
  kuitti::Module1 module;
  module.sales.DataPath = "/d/";
  for (auto _ : state) {
    const auto copy = kuitti::FetchReceiptCopy(module, files, "123456", kuitti::NumberFormat{});
    benchmark::DoNotOptimize(copy->data());
  }
}
BENCHMARK(CopyOfOneItemRow);

void LookUpOneProduct(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  kuitti::fuzz::MemoryFileSystem files;
  files.Put("index", EvenIndex(n));
  files.Put("products", std::string(static_cast<std::size_t>(n) * 356, 'x'));
  const auto index = files.OpenShared("index");
  const auto products = files.OpenShared("products");
  char text[14];
  std::snprintf(text, sizeof text, "%013d", n);  // an even code in the middle: a hit
  kuitti::TextField<13> code;
  for (std::size_t i = 0; i < 13; ++i) {
    code[i] = static_cast<unsigned char>(text[i]);
  }
  kuitti::ProductIndexRecord probe;
  kuitti::ProductRecord product;
  for (auto _ : state) {
    kuitti::LookUpProduct(*index, *products, code, probe, product);
    benchmark::DoNotOptimize(product.ProductName[0]);
  }
}
BENCHMARK(LookUpOneProduct)->Arg(300)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
