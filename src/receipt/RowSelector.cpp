#include "RowSelector.h"

#include <string>

#include "CodePage.h"
#include "Records.h"
#include "Utf8.h"

namespace kuitti {
namespace {

std::u32string_view TrimSpaces(std::u32string_view text) {
  while (!text.empty() && text.front() == U' ') {
    text.remove_prefix(1);
  }
  while (!text.empty() && text.back() == U' ') {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

RowSelector::RowSelector(std::string_view entry) {
  const std::u32string decoded = DecodeUtf8(entry);
  const std::u32string_view trimmed = TrimSpaces(decoded);
  if (trimmed.size() != ReceiptRowRecord::kVoucherNumberWidth) {
    return;
  }
  std::array<unsigned char, 6> bytes{};
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
