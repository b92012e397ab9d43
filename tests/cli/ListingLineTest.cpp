#include "cli/ListingLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace kuitti::test {
namespace {

constexpr double k27March2025 = 45743;

// The listing line as the copy would show its parts: the voucher's bytes decoded, control
// characters as spaces, the total right-aligned in 11 characters or cut on its left.
TEST(ListingLine, TheLineShowsEachPartAsTheCopyDoes) {
  struct Case {
    std::array<unsigned char, 6> voucher;
    std::int64_t totalRaw;
    std::string_view separator;
    std::string line;
  };
  constexpr double kNoonOf27March = k27March2025 + 0.5;
  for (const Case& c : std::vector<Case>{
           {{'1', '0', '4', '2', '3', '3'},
            201900,
            ",",
            "M104233-001  27.03.2025  12:00:00        20,19"},
           {{'1', '\t', 0xE4, 0, ' ', 0x7F},
            -49,
            ".",
            "M1 ä   -001  27.03.2025  12:00:00        -0.00"},
           {{'0', '0', '0', '0', '0', '1'},
            123456789000LL,
            ",",
            "M000001-001  27.03.2025  12:00:00  12345678,90"},
           {{'0', '0', '0', '0', '0', '1'},
            -1234567890123LL,
            ",",
            "M000001-001  27.03.2025  12:00:00  23456789,01"},
           {{'0', '0', '0', '0', '0', '2'},
            5,
            "\u00b7",
            "M000002-001  27.03.2025  12:00:00         0\u00b700"},
           // A separator longer than any locale's: the total keeps its last 11 characters.
           {{'0', '0', '0', '0', '0', '3'},
            123456789000LL,
            "\u00b7\u00b7\u00b7\u00b7\u00b7\u00b7\u00b7\u00b7\u00b7\u00b7",
            "M000003-001  27.03.2025  12:00:00  \u00b7\u00b7\u00b7\u00b7\u00b7\u00b7\u00b7"
            "\u00b7\u00b790"},
       }) {
    ReceiptHit hit;
    hit.voucher = c.voucher;
    hit.saleTime = kNoonOf27March;
    hit.total = Currency::FromRaw(c.totalRaw);
    EXPECT_EQ(ListingLine(hit, c.separator), c.line) << c.line;
  }
}

// The whole listing, a part at a time from two threads: every line once, in the hits' order,
// whatever the number of hits is against the part's size.
TEST(ListingLine, TheListingHoldsEveryLineInOrderAPartAtATime) {
  for (std::size_t partHits : {1, 2, 3}) {
    for (std::size_t count : {0, 1, 2, 3, 4, 5, 6, 7, 10}) {
      std::deque<ReceiptHit> hits(count);
      std::string expected;
      for (std::size_t i = 0; i < count; ++i) {
        const std::string digits = std::to_string(100000 + i);
        std::copy(digits.begin(), digits.end(), hits[i].voucher.begin());
        hits[i].saleTime = k27March2025 + static_cast<double>(i) / 24;
        hits[i].total = Currency::FromRaw(static_cast<std::int64_t>(i) * 1000);
        expected += ListingLine(hits[i], ",") + "\n";
      }
      std::vector<std::string> parts;
      WriteListing(
          hits, ",", [&](std::string_view lines) { parts.emplace_back(lines); }, partHits);
      std::string written;
      for (const std::string& part : parts) {
        EXPECT_LE(std::count(part.begin(), part.end(), '\n'), static_cast<long>(partHits));
        written += part;
      }
      EXPECT_EQ(written, expected) << count << " hits, " << partHits << " to a part";
      EXPECT_EQ(parts.size(), (count + partHits - 1) / partHits) << count << " hits";
    }
  }
}

}  // namespace
}  // namespace kuitti::test
