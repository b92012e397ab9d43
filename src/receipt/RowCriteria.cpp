#include "receipt/RowCriteria.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <tuple>
#include <utility>

#include "data/CodePage.h"
#include "data/Records.h"
#include "data/TextTrim.h"
#include "data/Utf8.h"
#include "receipt/SearchTerms.h"

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

std::vector<std::string> CodeFields(std::string_view code, int width) {
  const auto size = static_cast<std::size_t>(width);
  std::vector<std::string> fields;
  if (code.empty() || code.size() > size) {
    return fields;
  }
  for (std::size_t before = 0; before + code.size() <= size; ++before) {
    std::string field(size, ' ');
    field.replace(before, code.size(), code);
    fields.push_back(std::move(field));
  }
  return fields;
}

std::vector<std::string> NumberFields(std::string_view digits, int width) {
  const auto size = static_cast<std::size_t>(width);
  const std::string_view significant = WithoutLeadingZeros(digits);
  std::vector<std::string> fields;
  // An empty number has no fields, so a blank field is never the number zero.
  for (std::size_t zeros = 0; zeros + significant.size() <= size; ++zeros) {
    std::string number(zeros, '0');
    number += significant;
    for (std::string& field : CodeFields(number, width)) {
      fields.push_back(std::move(field));
    }
  }
  return fields;
}

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
    if (const auto code = EncodedCode(*criteria.productCode)) {
      product_ = FieldPatterns<ReceiptRowRecord::kProductCode.width>(
          CodeFields(TrimSpaces(*code), ReceiptRowRecord::kProductCode.width));
    }
  }
  if (criteria.number) {
    wantsNumber_ = true;
    if (IsDigits(*criteria.number)) {
      number_ = FieldPatterns<ReceiptRowRecord::kVoucherNumber.width>(
          NumberFields(*criteria.number, ReceiptRowRecord::kVoucherNumber.width));
    }
  }
}

}  // namespace kuitti
