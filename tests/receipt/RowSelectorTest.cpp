#include "receipt/RowSelector.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/DataFiles.h"

namespace kuitti {
namespace {

using test::Bytes;
using test::Row;

// The rows' positions that the selector finds, one NextRendered after another.
std::vector<std::size_t> Found(const RowSelector& selector, const Bytes& rows) {
  constexpr std::size_t kLength = ReceiptRowRecord::kLength;
  const unsigned char* const end = rows.data() + rows.size();
  std::vector<std::size_t> found;
  for (const unsigned char* at = selector.NextRendered(rows.data(), end); at != end;
       at = selector.NextRendered(at + kLength, end)) {
    found.push_back(static_cast<std::size_t>(at - rows.data()) / kLength);
  }
  return found;
}

// Every run of up to eleven rows in which the rows at the given positions are the voucher's,
// the rest another's: the selector scans four rows at a time, so a match must be found in
// every place of a four and of the rows left over after the last whole four.
TEST(RowSelector, FindsTheVouchersRowsWhereverTheyStand) {
  const RowSelector selector("123456");
  for (std::size_t count = 0; count <= 11; ++count) {
    for (std::uint32_t which = 0; which < (1u << count); ++which) {
      Bytes rows;
      std::vector<std::size_t> expected;
      for (std::size_t i = 0; i < count; ++i) {
        const bool ours = ((which >> i) & 1) != 0;
        test::Append(rows, test::ReceiptRow(Row{.voucher = ours ? "123456" : "123457"}));
        if (ours) {
          expected.push_back(i);
        }
      }
      ASSERT_EQ(Found(selector, rows), expected) << count << " rows, pattern " << which;
    }
  }
}

// Which rows of one voucher the copy renders, by the row's kind and voucher field and by the
// typed entry.
TEST(RowSelector, RendersTheKindsOfTheTypedVoucherOnly) {
  struct Case {
    std::string entry;
    std::string kind;
    std::string voucher;
    bool rendered;
  };
  const std::vector<Case> cases = {
      {"123456", "M", "123456", true},
      {"123456", "m", "123456", true},
      {"123456", "I", "123456", true},
      {"123456", "i", "123456", true},
      {"123456", "A", "123456", true},
      {"123456", "a", "123456", true},
      {"123456", "X", "123456", false},
      {"123456", " ", "123456", false},
      {"123456", "M", "023456", false},  // each byte of the field counts
      {"123456", "M", "123455", false},
      {"123456", "M", " 12345", false},
      {"  123456 ", "M", "123456", true},  // the entry is trimmed of spaces
      {"12345", "M", "12345 ", false},     // but must then fill the field
      {"1234567", "M", "123456", false},
      {"abcDEF", "M", "abcDEF", true},  // case-sensitive
      {"abcdef", "M", "abcDEF", false},
      {"ÄÖ1234", "M", "ÄÖ1234", true},  // as the file's code page holds it
      {"€12345", "M", "€12345", true},
      {"ā12345", "M", "a12345", false},  // no byte of the code page: no row
      {"", "M", "      ", false},
  };
  for (const Case& c : cases) {
    // Four rows of another voucher around the row, so the row is met inside a four and
    // after the last whole one.
    for (std::size_t before : {0, 1, 3, 4, 5}) {
      Bytes rows;
      for (std::size_t i = 0; i < before; ++i) {
        test::Append(rows, test::ReceiptRow(Row{.voucher = "999999"}));
      }
      test::Append(rows, test::ReceiptRow(Row{.kind = c.kind, .voucher = c.voucher}));
      test::Append(rows, test::ReceiptRow(Row{.voucher = "999999"}));
      const std::vector<std::size_t> expected =
          c.rendered ? std::vector<std::size_t>{before} : std::vector<std::size_t>{};
      EXPECT_EQ(Found(RowSelector(c.entry), rows), expected)
          << "entry [" << c.entry << "], kind " << c.kind << ", voucher " << c.voucher << ", "
          << before << " rows before";
    }
  }
}

}  // namespace
}  // namespace kuitti
