#include <algorithm>
#include <new>

#include "AmountText.h"
#include "CodePage.h"
#include "DateTimeText.h"
#include "OpenDataFiles.h"
#include "ReceiptLayout.h"
#include "ReceiptSearch.h"
#include "RecordFile.h"
#include "RecordScanner.h"
#include "Records.h"
#include "RowCriteria.h"
#include "RuntimeError.h"
#include "Utf8.h"
#include "VoucherSet.h"

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

// Keeps the last `limit` hits in a ring, so a loose criterion on millions of rows holds no
// more than is shown, and counts them all.
void Add(SearchResult& result, const unsigned char* row, std::size_t limit) {
  if (result.hits.size() < limit) {
    result.hits.push_back(HitOf(row));
  } else if (limit > 0) {
    result.hits[static_cast<std::size_t>(result.matched) % limit] = HitOf(row);
  }
  ++result.matched;
}

// The ring in file order again: its oldest hit is where the next one would have gone.
void PutInFileOrder(SearchResult& result) {
  std::vector<ReceiptHit>& hits = result.hits;
  if (!hits.empty() && static_cast<std::size_t>(result.matched) > hits.size()) {
    const auto oldest = static_cast<std::size_t>(result.matched) % hits.size();
    std::rotate(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(oldest), hits.end());
  }
}

const unsigned char* VoucherOf(const unsigned char* row) {
  return row + ReceiptRowRecord::kVoucherNumber.offset;
}

// A product asked for is looked for on the rows of the totals row's voucher anywhere in the
// file. Item rows nearly always come before their totals row, so one scan decides each totals
// row as it comes, keeping nothing of those that fail; only when a row with the product comes
// after a totals row of its voucher that had none yet is the file scanned again, every
// voucher with the product known by then.
SearchResult Scan(RandomAccessFile& rows, const SearchCriteria& criteria, std::size_t limit) {
  const RowCriteria test(criteria);
  const std::int32_t count = RecordCount(rows, ReceiptRowRecord::kLength);
  SearchResult result;
  VoucherSet withProduct;
  VoucherSet withoutProductYet;  // of the totals rows that met every other criterion
  bool decidedTooEarly = false;
  {
    RecordScanner scanner(rows, ReceiptRowRecord::kLength, count);
    while (const unsigned char* row = scanner.Next()) {
      if (test.WantsProduct()) {
        if (!RowCriteria::IsTotalsRow(row)) {
          if (test.HasProduct(row)) {
            decidedTooEarly = decidedTooEarly || withoutProductYet.Contains(VoucherOf(row));
            withProduct.Insert(VoucherOf(row));
          }
          continue;
        }
      }
      if (!test.MeetsRowCriteria(row)) {
        continue;
      }
      if (test.WantsProduct() && !withProduct.Contains(VoucherOf(row))) {
        withoutProductYet.Insert(VoucherOf(row));
        continue;
      }
      Add(result, row, limit);
    }
  }
  if (decidedTooEarly) {
    result = SearchResult();
    RecordScanner scanner(rows, ReceiptRowRecord::kLength, count);
    while (const unsigned char* row = scanner.Next()) {
      if (test.MeetsRowCriteria(row) && withProduct.Contains(VoucherOf(row))) {
        Add(result, row, limit);
      }
    }
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

void AppendListingLine(std::string& lines, const ReceiptHit& hit,
                       std::string_view decimalSeparator) {
  lines += 'M';
  for (unsigned char byte : hit.voucher) {
    AppendUtf8(lines, layout::Shown(DecodeWindows1252(byte)));
  }
  lines.append(layout::kVoucherSuffix);
  lines.append("  ").append(DateText(hit.saleTime));
  lines.append("  ").append(TimeText(hit.saleTime));
  lines.append("  ").append(
      RightAligned(hit.total.AmountText(decimalSeparator), layout::kTotalsAmountWidth));
}

std::string ListingLine(const ReceiptHit& hit, std::string_view decimalSeparator) {
  std::string line;
  AppendListingLine(line, hit, decimalSeparator);
  return line;
}

}  // namespace kuitti
