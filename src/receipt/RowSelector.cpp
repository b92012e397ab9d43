#include "receipt/RowSelector.h"

#include <string>

#include "data/CodePage.h"
#include "data/Records.h"
#include "data/TextTrim.h"
#include "data/Utf8.h"

namespace kuitti {

RowSelector::RowSelector(std::string_view entry) {
  const std::u32string decoded = DecodeUtf8(entry);
  const std::u32string_view trimmed = TrimSpaces(decoded);
  if (trimmed.size() != static_cast<std::size_t>(kPast - kFirst)) {
    return;
  }
  Head voucher = 0;
  for (int at = kFirst; at < kPast; ++at) {
    const auto byte = EncodeWindows1252(trimmed[static_cast<std::size_t>(at - kFirst)]);
    if (!byte) {
      return;
    }
    voucher |= Head{*byte} << VoucherHead::ShiftOf(at);
  }
  voucher_ = voucher;
}

}  // namespace kuitti
