#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kuitti {

// Decides from a receipt row's raw bytes whether the copy renders it: its VoucherNumber must
// equal the typed entry with spaces trimmed, all six characters, case-sensitive, and its kind
// letter must be M, I or A in either case. The entry is encoded once, so the scan compares
// bytes and decodes nothing else.
class RowSelector {
 public:
  explicit RowSelector(std::string_view entry);

  bool IsRendered(const unsigned char* row) const;

 private:
  // Nothing when the trimmed entry cannot equal any six-character field.
  std::optional<std::array<unsigned char, 6>> voucher_;
};

}  // namespace kuitti
