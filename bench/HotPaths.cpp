// The pieces of a fetch and a search that run per record or per rendered row.

#include <benchmark/benchmark.h>

#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "cli/ListingLine.h"
#include "data/LookUpProduct.h"
#include "data/PickedRecordScanner.h"
#include "data/Records.h"
#include "receipt/ReceiptCopy.h"
#include "receipt/ReceiptSearch.h"
#include "receipt/RowSelector.h"
#include "support/MemoryFile.h"

namespace {

using kuitti::ProductIndexRecord;
using kuitti::ReceiptRowRecord;

// Numbers are copied as the machine holds them: the benchmarks run on little-endian hosts.
std::string Row(const char* kind, const char* voucher, const char* code, std::int64_t price,
                std::int64_t quantity, std::int16_t vat) {
  using R = ReceiptRowRecord;
  std::string row(R::kLength, '\0');
  std::memcpy(&row[R::kKind.offset], kind, R::kKind.width);
  std::memcpy(&row[R::kVoucherNumber.offset], voucher, R::kVoucherNumber.width);
  std::memcpy(&row[R::kRowNumber.offset], "001", R::kRowNumber.width);
  std::memset(&row[R::kProductCode.offset], ' ', R::kProductCode.width);
  std::memcpy(&row[R::kProductCode.offset], code, std::strlen(code));
  std::memcpy(&row[R::kPrice.offset], &price, R::kPrice.width);
  std::memcpy(&row[R::kQuantity.offset], &quantity, R::kQuantity.width);
  std::memcpy(&row[R::kVatRate.offset], &vat, R::kVatRate.width);
  return row;
}

// Index records of codes 0000000000000, 0000000000002, ... (even numbers), n of them.
std::string EvenIndex(int n) {
  using R = ProductIndexRecord;
  std::string index(static_cast<std::size_t>(n) * R::kLength, ' ');
  for (int i = 0; i < n; ++i) {
    char* record = &index[static_cast<std::size_t>(i) * R::kLength];
    char code[R::kProductCode.width + 1];
    std::snprintf(code, sizeof code, "%013d", 2 * i);
    std::memcpy(record + R::kProductCode.offset, code, R::kProductCode.width);
    const std::int32_t number = i + 1;
    std::memcpy(record + R::kProductRecordNumber.offset, &number, R::kProductRecordNumber.width);
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
    const auto* const end = reinterpret_cast<const unsigned char*>(rows.data() + rows.size());
    for (const auto* at =
             selector.NextRendered(reinterpret_cast<const unsigned char*>(rows.data()), end);
         at != end; at = selector.NextRendered(at + ReceiptRowRecord::kLength, end)) {
      ++rendered;
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
  kuitti::test::MemoryFileSystem files;
  files.Put("rows", rows);
  const auto file = files.OpenShared("rows");
  const kuitti::RowSelector selector("123456");
  for (auto _ : state) {
    kuitti::PickedRecordScanner<std::size_t> scanner(
        *file, ReceiptRowRecord::kLength, 100000,
        [&selector](std::span<const unsigned char> rows, std::int64_t,
                    std::vector<std::size_t>& rendered) {
          const unsigned char* const end = rows.data() + rows.size();
          for (const unsigned char* at = selector.NextRendered(rows.data(), end); at != end;
               at = selector.NextRendered(at + ReceiptRowRecord::kLength, end)) {
            rendered.push_back(static_cast<std::size_t>(at - rows.data()));
          }
        });
    int rendered = 0;
    while (scanner.Next()) {
      ++rendered;
    }
    benchmark::DoNotOptimize(rendered);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(rows.size()));
}
BENCHMARK(ScanOfMemoryFile)->UseRealTime();  // the blocks are read on another thread

// Times a search of rows held in memory as CASSA.004.
void TimeSearchOfMemoryFile(benchmark::State& state, const std::string& rows,
                            const kuitti::SearchCriteria& criteria) {
  kuitti::test::MemoryFileSystem files;
  files.Put("/d/CASSA.004", rows);
  for (auto _ : state) {
    const kuitti::SearchResult result = kuitti::FindReceipts("/d/", files, criteria);
    benchmark::DoNotOptimize(result.matched);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(rows.size()));
}

// A search of one day over 100,000 rows of which every tenth is a totals row, all in memory.
void SearchOfMemoryFile(benchmark::State& state) {
  std::string rows;
  for (int i = 0; i < 100000; ++i) {
    std::string row = Row("M", "654321", i % 10 == 0 ? "" : "6410000000011", 12500, 0, 24);
    const double saleTime = 45000 + i / 1000 + 0.5;
    std::memcpy(&row[ReceiptRowRecord::kSaleTime.offset], &saleTime, sizeof saleTime);
    rows += row;
  }
  TimeSearchOfMemoryFile(state, rows, {.fromDay = 45050, .toDay = 45050});
}
BENCHMARK(SearchOfMemoryFile)->UseRealTime();

// A search of one product over 100,000 rows of receipts of thirteen rows, the last their
// totals row; one receipt in seven has the product. As in a shop's file, the totals rows are
// one row in thirteen and the product's receipts a seventh of them: every totals row must be
// held against what the scan has seen of its voucher.
void ProductSearchOfMemoryFile(benchmark::State& state) {
  std::string rows;
  for (int i = 0; i < 100000; ++i) {
    const int receipt = i / 13;
    char voucher[8];
    std::snprintf(voucher, sizeof voucher, "%06d", receipt % 1000000);
    const bool totals = i % 13 == 12;
    const char* code = totals                            ? ""
                       : receipt % 7 == 0 && i % 13 == 5 ? "6479237494847"
                                                         : "6410000000011";
    std::string row = Row("M", voucher, code, 12500, 0, 24);
    const double saleTime = 45000 + i / 1000 + 0.5;
    std::memcpy(&row[ReceiptRowRecord::kSaleTime.offset], &saleTime, sizeof saleTime);
    rows += row;
  }
  TimeSearchOfMemoryFile(state, rows, {.productCode = "6479237494847"});
}
BENCHMARK(ProductSearchOfMemoryFile)->UseRealTime();

// The listing of 120,000 receipts, as a search by a common product gives it.
void ListingOfManyReceipts(benchmark::State& state) {
  std::deque<kuitti::ReceiptHit> hits(120000);
  for (std::size_t i = 0; i < hits.size(); ++i) {
    const std::string voucher = std::to_string(100000 + i % 900000);
    std::copy(voucher.begin(), voucher.end(), hits[i].voucher.begin());
    hits[i].saleTime = 45000 + static_cast<double>(i) / 400;
    hits[i].total = kuitti::Currency::FromRaw(static_cast<std::int64_t>(i) * 3721);
  }
  for (auto _ : state) {
    std::size_t bytes = 0;
    kuitti::WriteListing(
        hits, ",", [&bytes](std::string_view lines) { bytes += lines.size(); },
        static_cast<std::size_t>(state.range(0)));
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(hits.size()));
}
BENCHMARK(ListingOfManyReceipts)->Arg(16384)->Arg(65536)->Arg(1000000)->UseRealTime();

// A whole copy of a voucher with one item row: the frame, the row with its lookup, the
// summary; everything but the scan of a large file.
void CopyOfOneItemRow(benchmark::State& state) {
  kuitti::test::MemoryFileSystem files;
  files.Put("/d/CASSA.001", EvenIndex(1000));
  files.Put("/d/CASSA.002", std::string(1000 * kuitti::ProductRecord::kLength, 'x'));
  files.Put("/d/CASSA.004", Row("M", "123456", "0000000000998", 12500, 20000, 24));
  files.Put("/d/CASSA.005", "");
  kuitti::Module1 module;
  module.sales.DataPath = "/d/";
  for (auto _ : state) {
    const auto copy = kuitti::FetchReceiptCopy(module, files, "123456", kuitti::NumberFormat{});
    benchmark::DoNotOptimize(copy->text.data());
  }
}
BENCHMARK(CopyOfOneItemRow);

void LookUpOneProduct(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  kuitti::test::MemoryFileSystem files;
  files.Put("index", EvenIndex(n));
  files.Put("products",
            std::string(static_cast<std::size_t>(n) * kuitti::ProductRecord::kLength, 'x'));
  const auto index = files.OpenShared("index");
  const auto products = files.OpenShared("products");
  char text[ProductIndexRecord::kProductCode.width + 1];
  std::snprintf(text, sizeof text, "%013d", n);  // an even code in the middle: a hit
  kuitti::TextField<ProductIndexRecord::kProductCode.width> code;
  for (std::size_t i = 0; i < code.size(); ++i) {
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
