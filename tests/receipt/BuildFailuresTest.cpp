#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "data/RuntimeError.h"
#include "receipt/ReceiptCopy.h"
#include "support/ErrorNumber.h"
#include "support/Fetch.h"

namespace kuitti::test {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
const std::string kMilk = "6410000000011";

Row ItemRow(std::string kind, std::int64_t priceRaw, std::int64_t quantityRaw,
            std::int16_t vatRate) {
  return Row{.kind = kind,
             .voucher = "000013",
             .rowNumber = "001",
             .productCode = kMilk,
             .priceRaw = priceRaw,
             .quantityRaw = quantityRaw,
             .vatRate = vatRate};
}

Row TotalsRow(double saleTime, std::int64_t totalRaw, std::int64_t roundingRaw) {
  return Row{.kind = "M",
             .voucher = "000013",
             .saleTime = saleTime,
             .productCode = "",
             .priceRaw = totalRaw,
             .quantityRaw = roundingRaw};
}

struct Failure {
  RaisedError error;
  int vatSlots;          // how far the build got: the VAT rates added before the failure
  std::string rowsFile;  // the path of CASSA.004
};

Failure BuildFailing(const std::vector<Row>& rows) {
  DataDirectory directory;
  directory.WriteAll({{kMilk, "MAITO"}}, rows);
  Module1 module;
  const RaisedError error = ErrorOf([&] { FetchFrom(directory, "000013", module); });
  EXPECT_TRUE(OpenAccessModes(directory.path()).empty()) << "files left open";
  return {error, module.vatBreakdown.Count, directory.DataPath() + "CASSA.004"};
}

TEST(BuildFailures, StopTheBuildWhereTheyHappen) {
  struct Case {
    std::string what;
    std::vector<Row> rows;
    int number;
    int vatSlots;
    std::string description;  // "{rows}" stands for the path of CASSA.004
  };
  const std::string overflowInRow1 = "Ylivuoto (tiedosto {rows}, tietue 1)";
  std::vector<Row> fiftyOneRates;
  for (std::int16_t rate = 1; rate <= 51; ++rate) {
    fiftyOneRates.push_back(ItemRow("A", 10000, 10000, rate));
  }
  const std::vector<Case> cases = {
      {"a 51st VAT rate", fiftyOneRates, 9, 50,
       "Kuitilla on yli 50 eri ALV-prosenttia (tiedosto {rows}, tietue 51)"},
      {"VAT rate -100",
       {ItemRow("A", 10000, 10000, -100)},
       11,
       1,
       "Jako nollalla: ALV-prosentti -100 (ALV-yhteenveto, tiedosto {rows})"},
      {"a row sum beyond Currency", {ItemRow("M", kMax, 20000, 24)}, 6, 0, overflowInRow1},
      {"a negative row sum beyond Currency",
       {ItemRow("A", kMin, 10000 + 1, 24)},
       6,
       0,
       overflowInRow1},
      {"a VAT total beyond Currency",
       {ItemRow("A", kMax / 2 + 1, 10000, 24), ItemRow("A", kMax / 2 + 1, 10000, 24)},
       6,
       1,
       "Ylivuoto (tiedosto {rows}, tietue 2)"},
      {"paid beyond Currency", {TotalsRow(1, kMin, 1)}, 6, 0, overflowInRow1},
      {"a sale time that is not a number",
       {TotalsRow(std::nan(""), 10000, 0)},
       6,
       0,
       overflowInRow1},
      {"a sale time past the year 9999", {TotalsRow(2958466, 10000, 0)}, 6, 0, overflowInRow1},
      {"a sale time that rounds past the year 9999",
       {TotalsRow(2958465.999999, 10000, 0)},
       6,
       0,
       overflowInRow1},
      {"a sale time before the year -9999", {TotalsRow(-2958466, 10000, 0)}, 6, 0, overflowInRow1},
      {"an infinite sale time", {TotalsRow(HUGE_VAL, 10000, 0)}, 6, 0, overflowInRow1},
      {"a huge sale time", {TotalsRow(1e300, 10000, 0)}, 6, 0, overflowInRow1},
      {"a hugely negative sale time", {TotalsRow(-1e300, 10000, 0)}, 6, 0, overflowInRow1},
  };
  for (const Case& c : cases) {
    const Failure failure = BuildFailing(c.rows);
    std::string description = c.description;
    description.replace(description.find("{rows}"), 6, failure.rowsFile);
    EXPECT_EQ(failure.error.number, c.number) << c.what;
    EXPECT_EQ(failure.error.description, description) << c.what;
    EXPECT_EQ(failure.vatSlots, c.vatSlots) << c.what;
  }
}

TEST(BuildFailures, LatestSaleTimeStillFits) {
  DataDirectory directory;
  directory.WriteAll({}, {TotalsRow(2958465.9, 10000, 0)});
  const auto lines = Lines(FetchFrom(directory, "000013").value());
  ASSERT_GT(lines.size(), 12u);
  EXPECT_EQ(lines[12], "Alkuperäinen kuitti tulostettu: 31.12.9999  21:36:00");
}

}  // namespace
}  // namespace kuitti::test
