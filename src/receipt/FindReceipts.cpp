#include <algorithm>
#include <new>
#include <unordered_set>

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

namespace kuitti {
namespace {

// The six bytes of a voucher number as one integer.
std::uint64_t VoucherKey(const unsigned char* voucher) {
  std::uint64_t key = 0;
  for (int i = 0; i < ReceiptRowRecord::kVoucherNumber.width; ++i) {
    key = (key << 8) | voucher[i];
  }
  return key;
}

ReceiptHit HitOf(const unsigned char* row) {
  ReceiptHit hit;
  std::copy_n(row + ReceiptRowRecord::kVoucherNumber.offset, hit.voucher.size(),
              hit.voucher.begin());
  hit.saleTime = RowCriteria::SaleTime(row);
  hit.total = Currency::FromRaw(RowCriteria::Price(row));
  return hit;
}

// Keeps the last `limit` hits of the scan in a ring, so a loose criterion on millions of rows
// holds no more than the dialog shows.
void KeepLast(std::vector<ReceiptHit>& hits, std::size_t limit, std::int64_t seen,
              const ReceiptHit& hit) {
  if (hits.size() < limit) {
    hits.push_back(hit);
  } else if (limit > 0) {
    hits[static_cast<std::size_t>(seen) % limit] = hit;
  }
}

// The ring in file order again: its oldest hit is where the next one would have gone.
void PutInFileOrder(std::vector<ReceiptHit>& hits, std::int64_t seen) {
  if (!hits.empty() && static_cast<std::size_t>(seen) > hits.size()) {
    std::rotate(
        hits.begin(),
        hits.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(seen) % hits.size()),
        hits.end());
  }
}

SearchResult Scan(RandomAccessFile& rows, const SearchCriteria& criteria, std::size_t limit) {
  const RowCriteria test(criteria);
  const std::int32_t count = RecordCount(rows, ReceiptRowRecord::kLength);
  SearchResult result;
  // With a product asked for, a row's voucher may show the product only further on, so every
  // candidate is kept until the end of the scan.
  std::vector<ReceiptHit>& candidates = result.hits;
  std::unordered_set<std::uint64_t> vouchersWithProduct;
  RecordScanner scanner(rows, ReceiptRowRecord::kLength, count);
  while (const unsigned char* row = scanner.Next()) {
    if (!RowCriteria::IsRendered(row)) {
      continue;
    }
    if (test.WantsProduct() && !RowCriteria::IsTotalsRow(row)) {
      if (test.HasProduct(row)) {
        vouchersWithProduct.insert(VoucherKey(row + ReceiptRowRecord::kVoucherNumber.offset));
      }
      continue;
    }
    // The criteria first: item rows carry their sale time too, so a day range passes over
    // most of them without the product code being looked at.
    if (!test.MeetsRowCriteria(row) || !RowCriteria::IsTotalsRow(row)) {
      continue;
    }
    if (test.WantsProduct()) {
      candidates.push_back(HitOf(row));
    } else {
      KeepLast(candidates, limit, result.matched, HitOf(row));
    }
    ++result.matched;
  }
  if (test.WantsProduct()) {
    std::erase_if(candidates, [&](const ReceiptHit& hit) {
      return !vouchersWithProduct.contains(VoucherKey(hit.voucher.data()));
    });
    result.matched = static_cast<std::int64_t>(candidates.size());
    candidates.erase(candidates.begin(), candidates.end() - static_cast<std::ptrdiff_t>(std::min(
                                                                candidates.size(), limit)));
  } else {
    PutInFileOrder(candidates, result.matched);
  }
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

std::string ListingLine(const ReceiptHit& hit, std::string_view decimalSeparator) {
  std::string line = "M";
  line.append(VoucherText(hit)).append(layout::kVoucherSuffix);
  line.append("  ").append(DateText(hit.saleTime));
  line.append("  ").append(TimeText(hit.saleTime));
  line.append("  ").append(
      RightAligned(hit.total.AmountText(decimalSeparator), layout::kTotalsAmountWidth));
  return line;
}

}  // namespace kuitti
