#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
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

// The voucher number's bytes of a row in one word read from the row's start, so that the scan
// compares one word per row.
namespace VoucherHead {
using Word = std::uint64_t;
inline constexpr int kFirst = ReceiptRowRecord::kVoucherNumber.offset;
inline constexpr int kPast = kFirst + ReceiptRowRecord::kVoucherNumber.width;
static_assert(kPast <= static_cast<int>(sizeof(Word)));

// Where the byte at `at` of a word read from memory sits in the word's value.
constexpr int ShiftOf(int at) {
  return 8 * (std::endian::native == std::endian::little ? at
                                                         : static_cast<int>(sizeof(Word)) - 1 - at);
}

inline constexpr Word kMask = [] {
  Word mask = 0;
  for (int at = kFirst; at < kPast; ++at) {
    mask |= Word{0xFF} << ShiftOf(at);
  }
  return mask;
}();
}  // namespace VoucherHead

// Decides from a receipt row's raw bytes whether the copy renders it: its VoucherNumber must
// equal the typed entry with spaces trimmed, all six characters, case-sensitive, and its kind
// must be rendered. The entry is encoded once, so the scan compares bytes and decodes nothing
// else.
class RowSelector {
 public:
  explicit RowSelector(std::string_view entry);

  // The first row from `row` on, up to `end` (a whole number of rows further), that the copy
  // renders; `end` when none is. A loop of its own, with the voucher held in a register and
  // one word compared per row, four rows to a branch: it runs over every record of a
  // gigabyte file, and the rows it looks for are a few among millions.
  const unsigned char* NextRendered(const unsigned char* row, const unsigned char* end) const {
    constexpr std::size_t kLength = ReceiptRowRecord::kLength;
    if (!voucher_) {
      return end;
    }
    const Head voucher = *voucher_;
    constexpr auto kFour = static_cast<std::ptrdiff_t>(4 * kLength);
    while (row != end) {
      for (; end - row >= kFour; row += kFour) {
        const Head first = Heads(row);
        const Head second = Heads(row + kLength);
        const Head third = Heads(row + 2 * kLength);
        const Head fourth = Heads(row + 3 * kLength);
        if ((first == voucher) | (second == voucher) | (third == voucher) | (fourth == voucher)) {
          break;
        }
      }
      const unsigned char* const four = end - row > kFour ? row + kFour : end;
      for (; row != four; row += kLength) {
        if (Heads(row) == voucher && IsRenderedKind(row[ReceiptRowRecord::kKind.offset])) {
          return row;
        }
      }
    }
    return end;
  }

 private:
  using Head = VoucherHead::Word;
  static constexpr int kFirst = VoucherHead::kFirst;
  static constexpr int kPast = VoucherHead::kPast;

  static Head Heads(const unsigned char* row) {
    Head word;
    std::memcpy(&word, row, sizeof word);
    return word & VoucherHead::kMask;
  }

  // Nothing when the trimmed entry cannot equal any six-character field; otherwise its bytes
  // in their place in the word Heads reads.
  std::optional<Head> voucher_;
};
}  // namespace kuitti
