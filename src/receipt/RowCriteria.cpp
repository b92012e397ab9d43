#include "RowCriteria.h"

#include <limits>
#include <string_view>
#include <tuple>
#include <utility>

#include "CodePage.h"
#include "Records.h"
#include "SearchTerms.h"
#include "TextTrim.h"
#include "Utf8.h"

namespace kuitti {
namespace {

// The code as the file would hold it; nothing when some character has no byte in the file's
// code page.
std::optional<std::string> EncodedCode(std::string_view utf8) {
  std::string bytes;
  for (char32_t c : DecodeUtf8(utf8)) {
    const auto byte = EncodeWindows1252(c);
    if (!byte) {
      return std::nullopt;
    }
    bytes += static_cast<char>(*byte);
  }
  return bytes;
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
  return digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
}

std::string_view FieldText(const unsigned char* row, Field field) {
  return {reinterpret_cast<const char*>(row + field.offset), static_cast<std::size_t>(field.width)};
}

// The raw totals that the copy shows as the amount, rounded half away from zero to the cent,
// when it is given in cents; otherwise the amount itself.
std::pair<std::int64_t, std::int64_t> RawTotalsShownAs(const TypedAmount& amount) {
  const std::int64_t raw = amount.value.raw();
  if (amount.decimals > 2) {
    return {raw, raw};
  }
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  // Half a cent is 50 raw units; halves go away from zero.
  const std::int64_t below = raw > 0 ? 50 : 49;
  const std::int64_t above = raw < 0 ? 50 : 49;
  return {raw < kMin + below ? kMin : raw - below, raw > kMax - above ? kMax : raw + above};
}

}  // namespace

RowCriteria::RowCriteria(const SearchCriteria& criteria) {
  if (criteria.fromDay || criteria.toDay) {
    hasDays_ = true;
    fromDay_ = criteria.fromDay ? FirstDayValueShownOn(*criteria.fromDay) : 0;
    dayAfterTo_ = criteria.toDay ? FirstDayValueShownOn(std::int64_t{*criteria.toDay} + 1)
                                 : std::numeric_limits<double>::infinity();
  }
  if (criteria.total) {
    hasTotal_ = true;
    std::tie(lowestTotal_, highestTotal_) = RawTotalsShownAs(*criteria.total);
  }
  if (criteria.productCode) {
    wantsProduct_ = true;
    const auto code = EncodedCode(*criteria.productCode);
    const std::string_view trimmed = code ? TrimSpaces(*code) : std::string_view();
    // An item row's code is never blank, nor longer than its field.
    if (!trimmed.empty() && trimmed.size() <= ReceiptRowRecord::kProductCode.width) {
      product_ = std::string(trimmed);
    }
  }
  if (criteria.number) {
    wantsNumber_ = true;
    if (IsDigits(*criteria.number)) {
      digits_ = std::string(WithoutLeadingZeros(*criteria.number));
    }
  }
}

bool RowCriteria::HasProduct(const unsigned char* row) const {
  return product_ && TrimSpaces(FieldText(row, ReceiptRowRecord::kProductCode)) == *product_;
}

bool RowCriteria::HasNumber(const unsigned char* row) const {
  const std::string_view voucher = TrimSpaces(FieldText(row, ReceiptRowRecord::kVoucherNumber));
  return digits_ && IsDigits(voucher) && WithoutLeadingZeros(voucher) == *digits_;
}

}  // namespace kuitti
