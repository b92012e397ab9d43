// The three amount lines of the totals block: "Yhteensä", "Pyöristys" and "Maksettu".

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/Fetch.h"

namespace kuitti::test {
namespace {

Row TotalsRow(std::int64_t totalRaw, std::int64_t roundingRaw) {
  return Row{
      .voucher = "000042", .saleTime = 45000.75, .priceRaw = totalRaw, .quantityRaw = roundingRaw};
}

struct Amounts {
  std::string total;
  std::string rounding;
  std::string paid;
};

// The amount lines of every totals block of voucher 000042, in order.
std::vector<Amounts> AmountLines(const std::vector<Row>& rows) {
  DataDirectory directory;
  directory.WriteAll({}, rows);
  const std::vector<std::string> lines = Lines(FetchFrom(directory, "000042").value());
  std::vector<Amounts> blocks;
  for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
    if (lines[i].starts_with("Yhteensä ")) {
      blocks.push_back({lines[i], lines[i + 1], lines[i + 2]});
    }
  }
  EXPECT_EQ(blocks.size(), rows.size());
  return blocks;
}

// The cents of an amount line's "0.00" text under Finnish settings.
std::int64_t Cents(const std::string& line) {
  std::string digits;
  for (char c : line.substr(line.size() - 11)) {
    if (c == '-' || (c >= '0' && c <= '9')) {
      digits += c;
    }
  }
  return std::stoll(digits);
}

TEST(TotalsBlock, RoundingIsTheShownTotalLessTheShownPaid) {
  struct Case {
    const char* what;
    std::int64_t totalRaw;
    std::int64_t roundingRaw;
    Amounts expected;
  };
  const std::vector<Case> cases = {
      {"no tie",
       105200,
       200,
       {"Yhteensä       10,52", "Pyöristys       0,02", "Maksettu       10,50"}},
      {"ties of opposite signs, a sale",
       89850,
       -150,
       {"Yhteensä        8,99", "Pyöristys      -0,01", "Maksettu        9,00"}},
      {"ties of opposite signs, a return",
       -100350,
       150,
       {"Yhteensä      -10,04", "Pyöristys       0,01", "Maksettu      -10,05"}},
      {"ties of the same sign",
       89850,
       350,
       {"Yhteensä        8,99", "Pyöristys       0,04", "Maksettu        8,95"}},
      {"a total of four decimals",
       201933,
       -67,
       {"Yhteensä       20,19", "Pyöristys      -0,01", "Maksettu       20,20"}},
      {"no rounding",
       50000,
       0,
       {"Yhteensä        5,00", "Pyöristys       0,00", "Maksettu        5,00"}},
      {"a slightly negative rounding keeps its sign",
       10000,
       -40,
       {"Yhteensä        1,00", "Pyöristys      -0,00", "Maksettu        1,00"}},
      {"a paid amount of fractions of a cent",
       10040,
       60,
       {"Yhteensä        1,00", "Pyöristys       0,00", "Maksettu        1,00"}},
  };
  std::vector<Row> rows;
  for (const Case& c : cases) {
    rows.push_back(TotalsRow(c.totalRaw, c.roundingRaw));
  }
  const std::vector<Amounts> blocks = AmountLines(rows);
  ASSERT_EQ(blocks.size(), cases.size());
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(blocks[i].total, cases[i].expected.total) << cases[i].what;
    EXPECT_EQ(blocks[i].rounding, cases[i].expected.rounding) << cases[i].what;
    EXPECT_EQ(blocks[i].paid, cases[i].expected.paid) << cases[i].what;
  }
}

TEST(TotalsBlock, TheLinesAlwaysAddUpAndOnlyOppositeTiesChange) {
  // Totals around half cents of both signs, roundings in half cents and between them.
  std::vector<Row> rows;
  for (std::int64_t total : {89850, 89849, 89851, -100350, -100351, 50, -50, 0, 201933}) {
    for (std::int64_t rounding = -650; rounding <= 650; rounding += 25) {
      rows.push_back(TotalsRow(total, rounding));
    }
  }
  const std::vector<Amounts> blocks = AmountLines(rows);
  ASSERT_EQ(blocks.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::int64_t total = rows[i].priceRaw;
    const std::int64_t rounding = rows[i].quantityRaw;
    const std::string what = std::to_string(total) + " less " + std::to_string(rounding);
    EXPECT_EQ(Cents(blocks[i].total) - Cents(blocks[i].rounding), Cents(blocks[i].paid)) << what;
    // Where the paid amount is whole cents, the rounding shows as stored, rounded half away
    // from zero, unless total and rounding are half cents of opposite signs.
    const bool oppositeTies = std::abs(total % 100) == 50 && std::abs(rounding % 100) == 50 &&
                              (total < 0) != (rounding < 0);
    if ((total - rounding) % 100 == 0 && !oppositeTies) {
      const std::int64_t storedCents = (std::abs(rounding) + 50) / 100;
      EXPECT_EQ(Cents(blocks[i].rounding), rounding < 0 ? -storedCents : storedCents) << what;
    }
  }
}

}  // namespace
}  // namespace kuitti::test
