#pragma once

#include <array>
#include <cstring>
#include <optional>
#include <string_view>

#include "data/Records.h"

namespace kuitti {

// Whether the copy renders a row of this kind letter: M, I or A in either case.
inline bool IsRenderedKind(unsigned char kind) {
  switch (kind) {
    case 'M':
    case 'm':
    case 'I':
    case 'i':
    case 'A':
    case 'a':
      return true;
    default:
      return false;
  }
}

// Decides from a receipt row's raw bytes whether the copy renders it: its VoucherNumber must
// equal the typed entry with spaces trimmed, all six characters, case-sensitive, and its kind
// must be rendered. The entry is encoded once, so the scan compares bytes and decodes nothing
// else.
class RowSelector {
 public:
  explicit RowSelector(std::string_view entry);

  // Inline: it runs once for every record of a gigabyte file.
  bool IsRendered(const unsigned char* row) const {
    return voucher_ &&
           std::memcmp(row + ReceiptRowRecord::kVoucherNumber.offset, voucher_->data(),
                       voucher_->size()) == 0 &&
           IsRenderedKind(row[ReceiptRowRecord::kKind.offset]);
  }

 private:
  // Nothing when the trimmed entry cannot equal any six-character field.
  std::optional<std::array<unsigned char, ReceiptRowRecord::kVoucherNumber.width>> voucher_;
};

}  // namespace kuitti
