#include <algorithm>
#include <new>
#include <optional>
#include <utility>

#include "data/CodePage.h"
#include "data/OpenDataFiles.h"
#include "data/PickedRecordScanner.h"
#include "data/RecordFile.h"
#include "data/Records.h"
#include "data/RuntimeError.h"
#include "data/Utf8.h"
#include "receipt/ReceiptLayout.h"
#include "receipt/ReceiptSearch.h"
#include "receipt/RowCriteria.h"
#include "receipt/VoucherMarks.h"

namespace kuitti {
namespace {

ReceiptHit HitOf(const unsigned char* row) {
  ReceiptHit hit;
  std::copy_n(row + ReceiptRowRecord::kVoucherNumber.offset, hit.voucher.size(),
              hit.voucher.begin());
  hit.saleTime = RowCriteria::SaleTime(row);
  hit.total = Currency::FromRaw(RowCriteria::Price(row));
  return hit;
}

// What the scan keeps of a row it acts on: a totals row that meets the row criteria, as the
// receipt it would list, or an item row with the product, for its voucher.
struct PickedRow {
  ReceiptHit receipt;
  bool hasProduct = false;
};

PickedRow Picked(const unsigned char* row) {
  return {HitOf(row), !RowCriteria::IsTotalsRow(row)};
}

// Picks, from the rows of a block, those that `test` passes.
template <typename Test>
PickedRecordScanner<PickedRow>::Pick RowsThat(Test test) {
  return [test](std::span<const unsigned char> rows, std::int64_t, std::vector<PickedRow>& picked) {
    // Rows that meet a day come in runs, and those of a total or a number are few: the branch
    // on each row is well predicted.
    for (std::size_t offset = 0; offset < rows.size(); offset += ReceiptRowRecord::kLength) {
      if (test(rows.data() + offset)) {
        picked.push_back(Picked(rows.data() + offset));
      }
    }
  };
}

// Picks, from the rows of a block, those that pass `rough`, a first look at every row without
// a branch, and then `test`. The offsets are noted with no call, no branch and no byte
// stored, so that the compiler keeps the criteria in registers; then what is kept of the rows
// is made.
template <typename Rough, typename Test>
PickedRecordScanner<PickedRow>::Pick RowsThat(Rough rough, Test test) {
  return [rough, test](std::span<const unsigned char> rows, std::int64_t,
                       std::vector<PickedRow>& picked) {
    constexpr std::size_t kLength = ReceiptRowRecord::kLength;
    std::vector<std::uint32_t> offsets(rows.size() / kLength);
    std::size_t candidates = 0;
    for (std::size_t offset = 0; offset < rows.size(); offset += kLength) {
      offsets[candidates] = static_cast<std::uint32_t>(offset);
      candidates += rough(rows.data() + offset);
    }
    for (std::size_t i = 0; i < candidates; ++i) {
      const unsigned char* row = rows.data() + offsets[i];
      if (test(row)) {
        picked.push_back(Picked(row));
      }
    }
  };
}

// Visits what is kept of the rows that `pick` picks.
template <typename Visit>
void ForEachPickedRow(RandomAccessFile& rows, std::int32_t count,
                      PickedRecordScanner<PickedRow>::Pick pick, Visit visit) {
  PickedRecordScanner<PickedRow> scanner(rows, ReceiptRowRecord::kLength, count, std::move(pick));
  while (const PickedRow* row = scanner.Next()) {
    visit(*row);
  }
}

// Keeps the last `limit` hits in a ring, so a loose criterion on millions of rows holds no
// more than is shown, and counts them all.
void Add(SearchResult& result, const ReceiptHit& hit, std::size_t limit) {
  if (result.hits.size() < limit) {
    result.hits.push_back(hit);
  } else if (limit > 0) {
    result.hits[static_cast<std::size_t>(result.matched) % limit] = hit;
  }
  ++result.matched;
}

// The ring in file order again: its oldest hit is where the next one would have gone.
void PutInFileOrder(SearchResult& result) {
  std::deque<ReceiptHit>& hits = result.hits;
  if (!hits.empty() && static_cast<std::size_t>(result.matched) > hits.size()) {
    const auto oldest = static_cast<std::size_t>(result.matched) % hits.size();
    std::rotate(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(oldest), hits.end());
  }
}

// The rows are tested where they were read, on two threads (see PickedRecordScanner); here
// they are only put together in file order. A product asked for is looked for on the rows
// of the totals row's voucher anywhere in the file. Item rows nearly always come before
// their totals row, so one scan decides each totals row as it comes, keeping nothing of those
// that fail; only when a row with the product comes after a totals row of its voucher that
// had none yet is the file scanned again, every voucher with the product known by then.
SearchResult Scan(RandomAccessFile& rows, const SearchCriteria& criteria, std::size_t limit) {
  const RowCriteria test(criteria);
  const std::int32_t count = RecordCount(rows, ReceiptRowRecord::kLength);
  SearchResult result;
  constexpr VoucherMarks::Marks kHasProduct = 1;
  // A totals row that met every other criterion before any row with the product.
  constexpr VoucherMarks::Marks kTotalsWithoutProduct = 2;
  // Its table of a million marks is made only for a product: clearing it would be most of
  // the search of a small file.
  std::optional<VoucherMarks> vouchers;
  if (test.WantsProduct()) {
    vouchers.emplace();
  }
  bool decidedTooEarly = false;
  const auto mayMatter = [&test](const unsigned char* row) { return test.MayMatter(row); };
  ForEachPickedRow(
      rows, count,
      test.WantsProduct()
          ? RowsThat([&test](const unsigned char* row) { return test.MayMatterAtFirstSight(row); },
                     mayMatter)
          : RowsThat(mayMatter),
      [&](const PickedRow& row) {
        if (!test.WantsProduct()) {
          Add(result, row.receipt, limit);
          return;
        }
        VoucherMarks::Marks& marks = (*vouchers)[row.receipt.voucher.data()];
        if (row.hasProduct) {
          decidedTooEarly = decidedTooEarly || (marks & kTotalsWithoutProduct) != 0;
          marks |= kHasProduct;
        } else if ((marks & kHasProduct) != 0) {
          Add(result, row.receipt, limit);
        } else {
          marks |= kTotalsWithoutProduct;
        }
      });
  if (decidedTooEarly) {
    result = SearchResult();
    ForEachPickedRow(rows, count, RowsThat([&test](const unsigned char* row) {
                       return test.MeetsRowCriteria(row);
                     }),
                     [&](const PickedRow& row) {
                       if (((*vouchers)[row.receipt.voucher.data()] & kHasProduct) != 0) {
                         Add(result, row.receipt, limit);
                       }
                     });
  }
  PutInFileOrder(result);
  return result;
}

}  // namespace

SearchResult FindReceipts(const std::string& dataPath, FileSystem& fileSystem,
                          const SearchCriteria& criteria, std::size_t limit) {
  try {
    const auto rows = fileSystem.OpenShared(dataPath + std::string(kReceiptRowsFileName));
    return Scan(*rows, criteria, limit);
  } catch (const std::bad_alloc&) {
    // Millions of rows may meet a loose criterion on a damaged file.
    RaiseOutOfMemory();
  }
}

std::string VoucherText(const ReceiptHit& hit) {
  std::string text;
  for (unsigned char byte : hit.voucher) {
    AppendUtf8(text, layout::Shown(DecodeWindows1252(byte)));
  }
  return text;
}

}  // namespace kuitti
