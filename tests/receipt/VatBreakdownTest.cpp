#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "data/RuntimeError.h"
#include "receipt/VatBreakdown.h"
#include "support/ErrorNumber.h"

namespace kuitti::test {
namespace {

Currency Amount(double value) {
  return Currency::FromDouble(value);
}

// A breakdown that holds the amounts, added in this order.
VatBreakdown Holding(const std::vector<std::pair<std::string, Currency>>& amounts) {
  VatBreakdown breakdown;
  ClearVatBreakdown(breakdown);
  for (const auto& [key, amount] : amounts) {
    AddToVatBreakdown(breakdown, key, amount);
  }
  return breakdown;
}

std::vector<std::string> UsedKeys(const VatBreakdown& breakdown) {
  return {breakdown.Keys.begin() + 1, breakdown.Keys.begin() + 1 + breakdown.Count};
}

std::string Summary(const VatBreakdown& breakdown, const std::string& separator = ",") {
  std::string copy = "X";
  AppendVatSummary(breakdown, copy, NumberFormat{separator});
  return copy;
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
const std::string kRule(74, '-');
const std::string kHeading = "X\r\n\r\n\r\nALV-%    Veroton          Vero      Tuotemyynti\r\n";

TEST(VatBreakdown, SlotsInOrderOfFirstAppearance) {
  VatBreakdown breakdown;
  ClearVatBreakdown(breakdown);
  AddToVatBreakdown(breakdown, "14", Amount(1.00));
  AddToVatBreakdown(breakdown, "24", Amount(2.00));
  AddToVatBreakdown(breakdown, "14", Amount(0.25));
  AddToVatBreakdown(breakdown, "", Amount(100));      // blank keys are dropped
  AddToVatBreakdown(breakdown, "   ", Amount(100));   //
  AddToVatBreakdown(breakdown, " 14", Amount(3.00));  // surrounding spaces make other keys
  AddToVatBreakdown(breakdown, "14 ", Amount(4.00));
  AddToVatBreakdown(breakdown, "24", Amount(-0.5));
  AddToVatBreakdown(breakdown, "a", Amount(1));  // case counts
  AddToVatBreakdown(breakdown, "A", Amount(2));
  EXPECT_EQ(breakdown.Count, 6);
  EXPECT_EQ(UsedKeys(breakdown), (std::vector<std::string>{"14", "24", " 14", "14 ", "a", "A"}));
  const std::vector<std::int64_t> totals = {12500, 15000, 30000, 40000, 10000, 20000};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(breakdown.Totals[i].raw(), totals[i - 1]) << "slot " << i;
  }
}

TEST(VatBreakdown, FiftySlotsThenSubscriptOutOfRange) {
  VatBreakdown breakdown;
  ClearVatBreakdown(breakdown);
  for (int key = 1; key <= 50; ++key) {
    AddToVatBreakdown(breakdown, std::to_string(key), Amount(key));
  }
  ASSERT_EQ(breakdown.Count, 50);
  const auto keysBefore = breakdown.Keys;
  const auto totalsBefore = breakdown.Totals;
  const RaisedError error = ErrorOf([&] { AddToVatBreakdown(breakdown, "51", Amount(51)); });
  EXPECT_EQ(error.number, 9) << "a 51st key was stored";
  EXPECT_EQ(error.description, "Kuitilla on yli 50 eri ALV-prosenttia");
  EXPECT_EQ(breakdown.Count, 50);
  EXPECT_EQ(breakdown.Keys, keysBefore);
  EXPECT_EQ(breakdown.Totals, totalsBefore);
  // Keys already in the table still add, and a blank one is still ignored.
  AddToVatBreakdown(breakdown, "50", Amount(1));
  AddToVatBreakdown(breakdown, " ", Amount(1));
  EXPECT_EQ(breakdown.Totals[50].raw(), 510000);

  // Clearing resets all 50 slots.
  ClearVatBreakdown(breakdown);
  EXPECT_EQ(breakdown.Count, 0);
  for (int i = 1; i <= 50; ++i) {
    EXPECT_EQ(breakdown.Keys[i], "") << i;
    EXPECT_EQ(breakdown.Totals[i].raw(), 0) << i;
  }
  AddToVatBreakdown(breakdown, "51", Amount(51));
  EXPECT_EQ(UsedKeys(breakdown), std::vector<std::string>{"51"});
}

TEST(VatBreakdown, TotalOutsideTheRangeOverflows) {
  VatBreakdown breakdown = Holding({{"24", Currency::FromRaw(kMax)}});
  EXPECT_EQ(ErrorNumberOf([&] { AddToVatBreakdown(breakdown, "24", Currency::FromRaw(1)); }), 6);
}

TEST(VatSummary, WholeTables) {
  struct Case {
    std::string what;
    std::vector<std::pair<std::string, Currency>> amounts;
    std::string slotLines;  // between the heading and the rule
    std::string totals;
  };
  const std::vector<Case> cases = {
      {"empty table", {}, "", "Yht         0,00          0,00             0,00"},
      {"worked example",
       {{"24", Amount(100.00)}, {"14", Amount(11.40)}, {"24", Amount(24.00)}},
       "24        100,00         24,00           124,00\r\n"
       "14         10,00          1,40            11,40\r\n",
       "Yht       110,00         25,40           135,40"},
      {"key 1 leaves the others and their sums",
       {{"14", Amount(11.40)}, {"1", Amount(999.00)}, {"24", Amount(124.00)}},
       "14         10,00          1,40            11,40\r\n"
       "24        100,00         24,00           124,00\r\n",
       "Yht       110,00         25,40           135,40"},
      // 1.2450 / 1.24 = 1.0040322… and 1.1446 / 1.14 = 1.0040350…: each shows 1,00 but the
      // sum 2.0080673… shows 2,01. The taxes 0.2410 and 0.1406 sum to 0.3816.
      {"totals row sums unrounded figures",
       {{"24", Currency::FromRaw(12450)}, {"14", Currency::FromRaw(11446)}},
       "24          1,00          0,24             1,25\r\n"
       "14          1,00          0,14             1,14\r\n",
       "Yht         2,01          0,38             2,39"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Summary(Holding(c.amounts)),
              kHeading + c.slotLines + kRule + "\r\n" + c.totals + "\r\n")
        << c.what;
  }
  EXPECT_EQ(Summary(Holding(cases[1].amounts), "."),
            kHeading +
                "24        100.00         24.00           124.00\r\n"
                "14         10.00          1.40            11.40\r\n" +
                kRule + "\r\nYht       110.00         25.40           135.40\r\n");
}

TEST(VatSummary, KeysAndTheirLines) {
  struct Case {
    std::string key;
    double gross;
    std::string line;  // empty when the slot is not shown
  };
  const std::vector<Case> cases = {
      {"0", 12.34, " 0         12,34          0,00            12,34"},
      {"10", 11.00, "10         10,00          1,00            11,00"},
      {"11", 11.10, "11         10,00          1,10            11,10"},
      // Three characters: the key field shows the last two; the rate is still 100.
      {"100", 200.00, "00        100,00        100,00           200,00"},
      {"-5", 9.50, "-5         10,00         -0,50             9,50"},
      {"24", -124.00, "24       -100,00        -24,00          -124,00"},
      // Tax 5/1.23 × 0.23 = 0.934959… is 0.9350 as Currency, shown 0,94.
      {"23", 5.00, "23          4,07          0,94             5,00"},
      // A formatted amount of more than 11 characters loses its leading characters.
      {"0", 100000000.00, " 0   00000000,00          0,00      00000000,00"},
      {"1", 50.00, ""},
      {" 1 ", 50.00, ""},
  };
  for (const Case& c : cases) {
    const VatBreakdown breakdown = Holding({{c.key, Amount(c.gross)}});
    const std::string summary = Summary(breakdown);
    if (c.line.empty()) {
      // Collected, but neither shown nor summed.
      EXPECT_EQ(breakdown.Count, 1);
      EXPECT_EQ(summary,
                kHeading + kRule + "\r\nYht         0,00          0,00             0,00\r\n")
          << "key [" << c.key << "]";
    } else {
      ASSERT_EQ(c.line.size(), 47u);
      EXPECT_EQ(summary.substr(kHeading.size(), 49), c.line + "\r\n") << "key [" << c.key << "]";
      // One slot: the totals row repeats its figures in columns 6 to 47.
      EXPECT_EQ(summary.substr(summary.size() - 44), c.line.substr(5) + "\r\n");
    }
  }
}

TEST(VatSummary, FailuresOfTheArithmetic) {
  {  // Key -100: the divisor is zero.
    const VatBreakdown breakdown = Holding({{"24", Amount(1)}, {"-100", Amount(1)}});
    std::string copy;
    const RaisedError error =
        ErrorOf([&] { AppendVatSummary(breakdown, copy, NumberFormat{","}); });
    EXPECT_EQ(error.number, 11);
    EXPECT_EQ(error.description, "Jako nollalla: ALV-prosentti -100");
    // The slot before it was written.
    EXPECT_TRUE(copy.ends_with("24          0,81          0,19             1,00\r\n")) << copy;
  }
  // The gross sum of two slots leaves the Currency range.
  EXPECT_EQ(ErrorNumberOf([] {
              Summary(Holding({{"0", Currency::FromRaw(kMax)}, {"10", Currency::FromRaw(10000)}}));
            }),
            6);
  // A tax too large for Currency: at -200 % the tax is twice the gross.
  EXPECT_EQ(ErrorNumberOf([] { Summary(Holding({{"-200", Currency::FromRaw(kMax)}})); }), 6);
}

}  // namespace
}  // namespace kuitti::test
