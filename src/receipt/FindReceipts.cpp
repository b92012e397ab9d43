#include <algorithm>
#include <array>
#include <new>
#include <utility>

#include "data/CodePage.h"
#include "data/OpenDataFiles.h"
#include "data/PickedRecordScanner.h"
#include "data/RecordFile.h"
#include "data/Records.h"
#include "data/RecordsDone.h"
#include "data/RuntimeError.h"
#include "data/Utf8.h"
#include "receipt/ProductVouchers.h"
#include "receipt/ReceiptLayout.h"
#include "receipt/ReceiptSearch.h"
#include "receipt/RowCriteria.h"

namespace kuitti {
namespace {

// What the scan keeps of a totals row that meets the row criteria: the receipt it would list,
// and, when a product is asked for, whether it is already known to be listed; one that is not
// is decided as it is visited.
struct PickedRow {
  ReceiptHit receipt;
  bool isHit = false;
};

const unsigned char* VoucherOf(const unsigned char* row) {
  return row + ReceiptRowRecord::kVoucherNumber.offset;
}

// Kept field by field where it stays: a copy put together first would be read back whole
// before its parts are written, and wait for them.
void Pick(const unsigned char* row, bool isHit, std::vector<PickedRow>& picked) {
  PickedRow& kept = picked.emplace_back();
  std::copy_n(VoucherOf(row), kept.receipt.voucher.size(), kept.receipt.voucher.begin());
  kept.receipt.saleTime = RowCriteria::SaleTime(row);
  kept.receipt.total = Currency::FromRaw(RowCriteria::Price(row));
  kept.isHit = isHit;
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
            Pick(one, false, picked);
          }
        }
      }
    }
    for (; row != end; row += kLength) {
      if (test(row)) {
        Pick(row, false, picked);
      }
    }
  };
}

// For a search with a product, marks the vouchers of the block's item rows with the product
// and picks its totals rows that meet the row criteria. Every row is first looked at by
// `rough`, without a branch; the offsets of those that pass are noted with no call, no branch and
// no byte stored, so that the compiler keeps the criteria in registers, a chunk of rows at a time,
// so that the offsets stay in the nearest cache and the rows are still near when tested. Once every
// block before has been marked, nearly always by the block's first chunks, the totals rows are
// decided here and only the hits are picked; before, all of them are, to be decided in file order.
template <typename Rough>
PickedRecordScanner<PickedRow>::Pick ProductRows(Rough rough, const RowCriteria& test,
                                                 ProductVouchers& vouchers, RecordsDone& marked) {
  return [rough, &test, &vouchers, &marked](std::span<const unsigned char> rows, std::int64_t first,
                                            std::vector<PickedRow>& picked) {
    constexpr std::size_t kLength = ReceiptRowRecord::kLength;
    constexpr std::size_t kChunkRows = 1024;
    std::array<std::uint32_t, kChunkRows> offsets;
    bool decidable = false;
    for (std::size_t chunk = 0; chunk < rows.size(); chunk += kChunkRows * kLength) {
      const std::size_t end = std::min(rows.size(), chunk + kChunkRows * kLength);
      std::size_t candidates = 0;
      for (std::size_t offset = chunk; offset < end; offset += kLength) {
        offsets[candidates] = static_cast<std::uint32_t>(offset);
        candidates += rough(rows.data() + offset);
      }
      decidable = decidable || marked.AllDoneBefore(first);
      for (std::size_t i = 0; i < candidates; ++i) {
        const unsigned char* row = rows.data() + offsets[i];
        if (!RowCriteria::IsTotalsRow(row)) {
          if (test.HasProduct(row)) {
            vouchers.MarkProduct(VoucherOf(row));
          }
        } else if (test.MeetsRowCriteria(row)) {
          if (!decidable) {
            Pick(row, false, picked);
          } else if (vouchers.DecideTotalsRow(VoucherOf(row))) {
            Pick(row, true, picked);
          }
        }
      }
    }
    marked.MarkDone(first, static_cast<std::int64_t>(rows.size() / kLength));
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
  const auto meets = [&test](const unsigned char* row) { return test.MeetsRowCriteria(row); };
  const auto atFirstSight = [&test](const unsigned char* row) {
    return test.MeetsAtFirstSight(row);
  };
  if (!test.WantsProduct()) {
    ForEachPickedRow(rows, count, FourRowsAtATime(atFirstSight, meets),
                     [&](const PickedRow& row) { Add(result, row.receipt, limit); });
    PutInFileOrder(result);
    return result;
  }
  ProductVouchers vouchers;
  RecordsDone marked;
  const auto productRows = [&]() -> PickedRecordScanner<PickedRow>::Pick {
    if (const auto word = test.ProductFirstWord()) {
      return ProductRows(
          [word = *word](const unsigned char* row) {
            return RowCriteria::MayMatterAtFirstSight(row, word);
          },
          test, vouchers, marked);
    }
    return ProductRows(
        [&test](const unsigned char* row) { return test.MayMatterAtFirstSight(row); }, test,
        vouchers, marked);
  };
  ForEachPickedRow(rows, count, productRows(), [&](const PickedRow& row) {
    if (row.isHit || vouchers.DecideTotalsRow(row.receipt.voucher.data())) {
      Add(result, row.receipt, limit);
    }
  });
  if (vouchers.DecidedTooEarly()) {
    result = SearchResult();
    ForEachPickedRow(rows, count, FourRowsAtATime(atFirstSight, meets), [&](const PickedRow& row) {
      if (vouchers.DecideTotalsRow(row.receipt.voucher.data())) {
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
