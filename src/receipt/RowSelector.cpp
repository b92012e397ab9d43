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
  std::array<unsigned char, ReceiptRowRecord::kVoucherNumber.width> bytes{};
  if (trimmed.size() != bytes.size()) {
    return;
  }
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = EncodeWindows1252(trimmed[i]);
    if (!byte) {
      return;
    }
    bytes[i] = *byte;
  }
  voucher_ = bytes;
}

}  // namespace kuitti
