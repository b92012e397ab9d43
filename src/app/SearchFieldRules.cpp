#include "app/SearchFieldRules.h"

#include <algorithm>
#include <cstddef>

#include "app/PrintedVoucher.h"

namespace kuitti {

namespace {

constexpr std::size_t kMostWholeDigits = 14;
constexpr std::size_t kMostDecimals = 4;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsDigit);
}

bool TotalMayStand(std::string_view text) {
  if (text.starts_with('-')) {
    text.remove_prefix(1);
  }
  const std::size_t separator = text.find_first_of(".,");
  const std::string_view whole = text.substr(0, separator);
  const std::string_view decimals =
      separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
  return whole.size() <= kMostWholeDigits && AllDigits(whole) && decimals.size() <= kMostDecimals &&
         AllDigits(decimals);
}

}  // namespace

bool MayStand(SearchField field, std::string_view text) {
  switch (field) {
    case SearchField::kTotal:
      return TotalMayStand(text);
    case SearchField::kProduct:
      return true;
    case SearchField::kNumber:
      return AllDigits(text);
  }
  return false;
}

}  // namespace kuitti

namespace kuitti {

std::optional<std::string> KeptText(SearchField field, std::string_view text) {
  if (MayStand(field, text)) {
    return std::string(text);
  }
  if (field == SearchField::kNumber) {
    if (std::optional<std::string> voucher = VoucherOfPrintedNumber(text);
        voucher && MayStand(field, *voucher)) {
      return voucher;
    }
  }
  return std::nullopt;
}

}  // namespace kuitti
