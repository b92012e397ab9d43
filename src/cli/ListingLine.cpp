#include "cli/ListingLine.h"

#include <algorithm>
#include <exception>
#include <thread>
#include <tuple>

#include "data/Utf8.h"
#include "receipt/AmountText.h"
#include "receipt/DateTimeText.h"
#include "receipt/ReceiptLayout.h"

namespace kuitti {

void AppendListingLine(std::string& lines, const ReceiptHit& hit,
                       std::string_view decimalSeparator) {
  std::string amount;
  hit.total.AppendAmountText(amount, decimalSeparator);
  const std::size_t amountLength = Utf8Length(amount);
  if (amountLength > layout::kTotalsAmountWidth) {
    // Only a total past a hundred million loses its leading characters.
    amount = RightAligned(amount, layout::kTotalsAmountWidth);
  }
  // Put together here and appended at once, as a search may list a hundred thousand receipts.
  constexpr std::string_view kGap = "  ";
  // The total is at most that many characters by now, each of up to four bytes.
  constexpr std::size_t kLongestAmount = 4 * layout::kTotalsAmountWidth;
  char line[1 + std::tuple_size_v<decltype(hit.voucher)> + layout::kVoucherSuffix.size() +
            kLongestDateText + kTimeTextLength + 3 * kGap.size() + kLongestAmount];
  char* at = line;
  *at++ = 'M';
  // Printable ASCII stands for itself, as in nearly every voucher number.
  const auto isPrintableAscii = [](unsigned char byte) { return byte >= 0x20 && byte < 0x7F; };
  if (std::all_of(hit.voucher.begin(), hit.voucher.end(), isPrintableAscii)) {
    at = std::copy(hit.voucher.begin(), hit.voucher.end(), at);
  } else {
    lines.append(line, static_cast<std::size_t>(at - line));
    lines += VoucherText(hit);
    at = line;
  }
  at = std::copy(layout::kVoucherSuffix.begin(), layout::kVoucherSuffix.end(), at);
  at = std::copy(kGap.begin(), kGap.end(), at);
  at = PutDateAndTimeText(at, hit.saleTime, kGap);
  at = std::copy(kGap.begin(), kGap.end(), at);
  at = std::fill_n(
      at, layout::kTotalsAmountWidth - std::min(amountLength, layout::kTotalsAmountWidth), ' ');
  at = std::copy(amount.begin(), amount.end(), at);
  lines.append(line, static_cast<std::size_t>(at - line));
}

void WriteListing(const std::deque<ReceiptHit>& hits, std::string_view decimalSeparator,
                  const std::function<void(const std::string&)>& write, std::size_t partHits) {
  // About the longest line, so that a part's text is allocated once.
  constexpr std::size_t kLineBytes = 64;
  const auto format = [&](std::size_t from, std::string& lines) {
    const std::size_t to = std::min(hits.size(), from + partHits);
    lines.clear();
    lines.reserve((to - from) * kLineBytes);
    for (std::size_t i = from; i < to; ++i) {
      AppendListingLine(lines, hits[i], decimalSeparator);
      lines += '\n';
    }
  };
  std::string first;
  std::string second;
  for (std::size_t from = 0; from < hits.size(); from += 2 * partHits) {
    std::exception_ptr otherFailed;
    {
      // Joined at the end of the block, even when this thread's part fails.
      std::jthread other;
      if (from + partHits < hits.size()) {
        other = std::jthread([&, next = from + partHits] {
          try {
            format(next, second);
          } catch (...) {
            otherFailed = std::current_exception();
          }
        });
      }
      format(from, first);
    }
    if (otherFailed) {
      std::rethrow_exception(otherFailed);
    }
    write(first);
    if (from + partHits < hits.size()) {
      write(second);
    }
  }
}

std::string ListingLine(const ReceiptHit& hit, std::string_view decimalSeparator) {
  std::string line;
  AppendListingLine(line, hit, decimalSeparator);
  return line;
}

}  // namespace kuitti
