#include <algorithm>
#include <array>
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

// What the scan keeps of a row it acts on: a totals row that meets the row criteria, as the
// receipt it would list, or an item row with the product, for its voucher.
struct PickedRow {
  ReceiptHit receipt;
  bool hasProduct = false;
};

// Kept field by field where it stays: a copy put together first would be read back whole
// before its parts are written, and wait for them.
void Pick(const unsigned char* row, std::vector<PickedRow>& picked) {
  PickedRow& kept = picked.emplace_back();
  std::copy_n(row + ReceiptRowRecord::kVoucherNumber.offset, kept.receipt.voucher.size(),
              kept.receipt.voucher.begin());
  kept.receipt.saleTime = RowCriteria::SaleTime(row);
  kept.receipt.total = Currency::FromRaw(RowCriteria::Price(row));
  kept.hasProduct = !RowCriteria::IsTotalsRow(row);
}

// Picks, from the rows of a block, those that `test` passes, looking first at four rows at a
// time with `glance`, a test of one field without a branch that passes at least every row
// `test` passes. Rows that meet a day come in runs, and those of a total or a number are few:
// the one branch per four rows is well predicted, and the reads of many rows are under way at
// once.
template <typename Glance, typename Test>
PickedRecordScanner<PickedRow>::Pick FourRowsAtATime(Glance glance, Test test) {
  return [glance, test](std::span<const unsigned char> rows, std::int64_t,
                        std::vector<PickedRow>& picked) {
    constexpr std::size_t kLength = ReceiptRowRecord::kLength;
    const unsigned char* row = rows.data();
    const unsigned char* const end = rows.data() + rows.size();
    for (; end - row >= static_cast<std::ptrdiff_t>(4 * kLength); row += 4 * kLength) {
      const bool first = glance(row);
      const bool second = glance(row + kLength);
      const bool third = glance(row + 2 * kLength);
      const bool fourth = glance(row + 3 * kLength);
      if (first | second | third | fourth) {
        for (const unsigned char* one = row; one != row + 4 * kLength; one += kLength) {
          if (test(one)) {
            Pick(one, picked);
          }
        }
      }
    }
    for (; row != end; row += kLength) {
      if (test(row)) {
        Pick(row, picked);
      }
    }
  };
}

// Picks, from the rows of a block, those that pass `rough`, a first look at every row without
// a branch, and then `test`. The offsets are noted with no call, no branch and no byte
// stored, so that the compiler keeps the criteria in registers; then what is kept of the rows
// is made. A chunk of rows at a time, so the offsets stay in the nearest cache and the rows
// are still near when tested.
template <typename Rough, typename Test>
PickedRecordScanner<PickedRow>::Pick RowsThat(Rough rough, Test test) {
  return [rough, test](std::span<const unsigned char> rows, std::int64_t,
                       std::vector<PickedRow>& picked) {
    constexpr std::size_t kLength = ReceiptRowRecord::kLength;
    constexpr std::size_t kChunkRows = 1024;
    std::array<std::uint32_t, kChunkRows> offsets;
    for (std::size_t chunk = 0; chunk < rows.size(); chunk += kChunkRows * kLength) {
      const std::size_t end = std::min(rows.size(), chunk + kChunkRows * kLength);
      std::size_t candidates = 0;
      for (std::size_t offset = chunk; offset < end; offset += kLength) {
        offsets[candidates] = static_cast<std::uint32_t>(offset);
        candidates += rough(rows.data() + offset);
      }
      for (std::size_t i = 0; i < candidates; ++i) {
        const unsigned char* row = rows.data() + offsets[i];
        if (test(row)) {
          Pick(row, picked);
        }
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
          : FourRowsAtATime(
                [&test](const unsigned char* row) { return test.MeetsAtFirstSight(row); },
                mayMatter),
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
    ForEachPickedRow(
        rows, count,
        FourRowsAtATime([&test](const unsigned char* row) { return test.MeetsAtFirstSight(row); },
                        [&test](const unsigned char* row) { return test.MeetsRowCriteria(row); }),
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
