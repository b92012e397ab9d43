#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Currency.h"
#include "data/FileAccess.h"
#include "receipt/SearchTerms.h"

namespace kuitti {

// What a receipt is looked for by; every criterion given must hold. A totals row (a rendered
// row with a blank product code) is listed when it meets them all.
struct SearchCriteria {
  // Inclusive bounds on the date that the copy shows for SaleTime, as day numbers (days
  // since 30 December 1899); a negative SaleTime never meets a day bound.
  std::optional<std::int32_t> fromDay = std::nullopt;
  std::optional<std::int32_t> toDay = std::nullopt;
  // The total (Price) of the totals row. Given with at most two decimals it is compared with
  // the total as the copy shows it, rounded to the cent; with three or four, with the total
  // as stored.
  std::optional<TypedAmount> total = std::nullopt;
  // A rendered item row of the same voucher anywhere in the file has this code, both trimmed
  // of spaces (UTF-8).
  std::optional<std::string> productCode = std::nullopt;
  // The voucher number, trimmed of spaces, is all digits and equals these digits as a number.
  std::optional<std::string> number = std::nullopt;
};

// A totals row found, as its raw fields; texts are made only for the rows shown.
struct ReceiptHit {
  std::array<unsigned char, 6> voucher{};
  double saleTime = 0;
  Currency total;
};

struct SearchResult {
  // The last ones, in record order, up to the limit asked for. A deque grows a block at a time
  // and never moves what it holds: a vector's doubling, with 100,000 receipts found, would
  // stop the scan for milliseconds at a time to fill and copy megabytes of fresh memory.
  std::deque<ReceiptHit> hits;
  std::int64_t matched = 0;  // all rows that met the criteria
};

// One scan of DataPath + "CASSA.004", the only file opened, with the record count and the
// partial last record as for the copy. A row whose SaleTime gives no date is never listed.
// Errors are raised like the fetch's, running out of memory as error 7.
SearchResult FindReceipts(const std::string& dataPath, FileSystem& fileSystem,
                          const SearchCriteria& criteria,
                          std::size_t limit = std::numeric_limits<std::size_t>::max());

// The six characters of the voucher number (UTF-8), control characters shown as spaces.
std::string VoucherText(const ReceiptHit& hit);

}  // namespace kuitti
