#include "cli/ListingLine.h"

#include <algorithm>
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
  char line[1 + std::tuple_size_v<decltype(hit.voucher)> + layout::kVoucherSuffix.size() +
            kLongestDateText + kTimeTextLength + 3 * kGap.size() + layout::kTotalsAmountWidth];
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
  lines.append(line, static_cast<std::size_t>(at - line));
  lines += amount;
}

std::string ListingLine(const ReceiptHit& hit, std::string_view decimalSeparator) {
  std::string line;
  AppendListingLine(line, hit, decimalSeparator);
  return line;
}

}  // namespace kuitti
