#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "data/Currency.h"
#include "data/RuntimeError.h"
#include "support/ErrorNumber.h"

namespace kuitti::test {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

Currency Raw(std::int64_t raw) {
  return Currency::FromRaw(raw);
}

void ExpectOverflow(const std::function<void()>& action, const std::string& what) {
  const RaisedError error = ErrorOf(action);
  EXPECT_EQ(error.number, 6) << what;
  EXPECT_EQ(error.description, "Ylivuoto") << what;
}

TEST(Currency, ProductIsRoundedToFourDecimalsHalfToEven) {
  struct Case {
    std::int64_t a, b, expected;  // ten-thousandths
  };
  const std::vector<Case> cases = {
      {12500, 20000, 25000},    // 1.25 × 2 = 2.5
      {12345, 12345, 15240},    // 1.52399025
      {1, 5000, 0},             // 0.00005 → 0.0000 (even)
      {3, 5000, 2},             // 0.00015 → 0.0002 (even)
      {5, 5000, 2},             // 0.00025 → 0.0002 (even)
      {7, 5000, 4},             // 0.00035 → 0.0004
      {1, 15000, 2},            // 0.00015
      {1, 4999, 0},             // 0.00004999
      {1, 5001, 1},             // 0.00005001
      {-1, 5000, 0},            // -0.00005 → 0
      {-3, 5000, -2},           // -0.00015
      {5, -5000, -2},           // -0.00025
      {-1, 5001, -1},           // -0.00005001
      {-12500, -20000, 25000},  // -1.25 × -2
      {kMax, 10000, kMax},      // × 1
      {kMin, 10000, kMin},      // × 1
      {kMax, 0, 0},             //
      {kMax, -10000, -kMax},    // × -1
  };
  for (const Case& c : cases) {
    EXPECT_EQ((Raw(c.a) * Raw(c.b)).raw(), c.expected) << c.a << " × " << c.b;
    EXPECT_EQ((Raw(c.b) * Raw(c.a)).raw(), c.expected) << c.b << " × " << c.a;
  }
}

TEST(Currency, ResultsOutsideTheRangeOverflow) {
  ExpectOverflow([] { Raw(kMax) + Raw(1); }, "max + 0.0001");
  ExpectOverflow([] { Raw(kMin) + Raw(-1); }, "min + -0.0001");
  ExpectOverflow([] { Raw(kMin) + Raw(kMin); }, "min + min");
  ExpectOverflow([] { Raw(kMin) - Raw(1); }, "min - 0.0001");
  ExpectOverflow([] { Raw(kMax) - Raw(-1); }, "max - -0.0001");
  ExpectOverflow([] { Raw(0) - Raw(kMin); }, "0 - min");
  ExpectOverflow([] { Raw(kMax) * Raw(20000); }, "max × 2");
  ExpectOverflow([] { Raw(kMin) * Raw(-10000); }, "min × -1");
  ExpectOverflow([] { Raw(1000000000000) * Raw(1000000000000); }, "1e8 × 1e8");
  ExpectOverflow([] { Raw(kMin) * Raw(kMin); }, "min × min");
  ExpectOverflow(
      [] {
        Currency sum = Raw(kMax - 5);
        sum += Raw(6);
      },
      "max - 0.0005 += 0.0006");

  // At the edge the results still fit.
  EXPECT_EQ((Raw(kMax) + Raw(kMin)).raw(), -1);
  EXPECT_EQ((Raw(kMin) - Raw(-1)).raw(), kMin + 1);
  EXPECT_EQ((Raw(-1) - Raw(kMax)).raw(), kMin);
  EXPECT_EQ((Raw(kMin) * Raw(-9999)).raw(), 9222449699651090330);  // 922337203685477.5808 × 0.9999
}

TEST(Currency, FromDoubleScalesAndRoundsHalfToEven) {
  struct Case {
    double value;
    std::int64_t expected;
  };
  const std::vector<Case> cases = {
      {1.25, 12500},
      {-0.5, -5000},
      {0.0, 0},
      {-0.0, 0},
      {0.03125, 312},   // 312.5 → even
      {0.09375, 938},   // 937.5 → even
      {0.15625, 1562},  // 1562.5 → even
      {-0.03125, -312},
      {-0.09375, -938},
      {2.675, 26750},
      {0.00004, 0},
      {0.00006, 1},
      {-0.00006, -1},
      {9.2e14, 9200000000000000000},
      {-9.2e14, -9200000000000000000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Currency::FromDouble(c.value).raw(), c.expected) << c.value;
  }
  for (double bad :
       {std::nan(""), HUGE_VAL, -HUGE_VAL, 9.3e14, -9.3e14, 1e300, 922337203685477.6 + 1}) {
    ExpectOverflow([bad] { Currency::FromDouble(bad); }, std::to_string(bad));
  }
}

TEST(Currency, AmountTextRoundsHalfAwayFromZero) {
  struct Case {
    std::int64_t raw;
    std::string text;
  };
  const std::vector<Case> cases = {
      {0, "0,00"},
      {12500, "1,25"},
      {12549, "1,25"},
      {12550, "1,26"},
      {-12550, "-1,26"},
      {-12549, "-1,25"},
      {49, "0,00"},
      {50, "0,01"},
      {-50, "-0,01"},
      {-1, "-0,00"},
      {-49, "-0,00"},
      {9950, "1,00"},
      {-9950, "-1,00"},
      // A digit more from the rounding.
      {99949, "9,99"},
      {99950, "10,00"},
      {-99950, "-10,00"},
      {100000000, "10000,00"},
      {1234567891234, "123456789,12"},
      {kMax, "922337203685477,58"},
      {kMin, "-922337203685477,58"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Raw(c.raw).AmountText(","), c.text) << c.raw;
    // Known before the text is made, for a listing's column.
    EXPECT_EQ(Raw(c.raw).AmountTextLength(1), c.text.size()) << c.raw;
  }
  // Any separator a regional setting may hold, one longer than any locale's included.
  for (const std::string separator : {".", "\u00b7", "\u066b", "<decimal>", "<a long separator>"}) {
    EXPECT_EQ(Raw(-12550).AmountText(separator), "-1" + separator + "26") << separator;
    EXPECT_EQ(Raw(kMin).AmountText(separator), "-922337203685477" + separator + "58") << separator;
  }
}

TEST(Currency, RoundedToCentsIsTheAmountShown) {
  struct Case {
    std::int64_t raw;
    std::int64_t rounded;
  };
  const std::vector<Case> cases = {
      {0, 0},
      {49, 0},
      {50, 100},
      {-49, 0},
      {-50, -100},
      {89850, 89900},
      {-150, -200},
      {-100350, -100400},
      {12549, 12500},
      // The extremes stay in range.
      {kMax, kMax - 7},
      {kMin, kMin + 8},
  };
  for (const Case& c : cases) {
    const Currency rounded = Raw(c.raw).RoundedToCents();
    EXPECT_EQ(rounded.raw(), c.rounded) << c.raw;
    // The same text, but for the minus sign that AmountText keeps on a negative value
    // rounding to zero.
    const std::string shown = Raw(c.raw).AmountText(",");
    EXPECT_EQ(rounded.AmountText(","), shown == "-0,00" ? "0,00" : shown) << c.raw;
  }
}

TEST(Currency, PlainTextDropsTrailingZeros) {
  struct Case {
    std::int64_t raw;
    std::string text;
  };
  const std::vector<Case> cases = {
      {5000, "0,5"},
      {12350, "1,235"},
      {-20000, "-2"},
      {100000, "10"},
      {0, "0"},
      {1, "0,0001"},
      {-1, "-0,0001"},
      {-5000, "-0,5"},
      {10010, "1,001"},
      {123456789, "12345,6789"},
      {kMax, "922337203685477,5807"},
      {kMin, "-922337203685477,5808"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Raw(c.raw).PlainText(","), c.text) << c.raw;
  }
  EXPECT_EQ(Raw(5000).PlainText("."), "0.5");
}

}  // namespace
}  // namespace kuitti::test
