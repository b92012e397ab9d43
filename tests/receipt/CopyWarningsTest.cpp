// What a copy cannot show by itself is told beside it: a receipt whose totals row the till
// has not written yet, two receipts under one number, a VAT rate the summary cannot show, a
// product the products file lacks. The copy itself stays as the files give it.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "support/Fetch.h"

namespace kuitti::test {
namespace {

const std::vector<Product> kProducts = {{"6410000000011", "Maito 1l"},
                                        {"6410000000028", "Ruisleipä"}};

Row Item(std::string rowNumber, std::string code, std::int16_t vat = 14) {
  return Row{.voucher = "123456",
             .rowNumber = std::move(rowNumber),
             .productCode = std::move(code),
             .priceRaw = 12500,
             .quantityRaw = 10000,
             .vatRate = vat};
}

Row Totals(std::int64_t totalRaw, double saleTime) {
  return Row{.voucher = "123456", .saleTime = saleTime, .priceRaw = totalRaw};
}

// 27.03.2025 12:00 and a day later, as day values.
constexpr double kDay = 45743.5;
constexpr double kNextDay = kDay + 1;

const std::string kUnfinished =
    "Kuitin yhteenvetorivi puuttuu: kuitti voi olla vielä kesken. Hae se hetken kuluttua "
    "uudelleen.";

std::string Rate(const std::string& rate, const std::string& rows) {
  return "ALV-prosentti " + rate + " (" + rows +
         ") ei ole kelvollinen prosentti; kopion ALV-erittely ei pidä paikkaansa.";
}

TEST(CopyWarnings, EachCaseWarnsOfWhatTheCopyCannotShow) {
  struct Case {
    std::string name;
    std::vector<Row> rows;
    std::function<void(const DataDirectory&)> cut;  // what a till leaves, after the rows
    std::vector<std::string> warnings;              // {dir} stands for the data path
  };
  const Row milk = Item("001", "6410000000011");
  const Row bread = Item("002", "6410000000028");
  const std::vector<Case> cases = {
      {"a whole receipt", {milk, bread, Totals(25000, kDay)}, nullptr, {}},
      {"a reprint: two totals rows alike",
       {milk, Totals(12500, kDay), Totals(12500, kDay + 0.0005)},
       nullptr,
       {}},
      {"no totals row yet", {milk, bread}, nullptr, {kUnfinished}},
      {"the totals row half written",
       {milk, bread, Totals(25000, kDay)},
       [](const DataDirectory& d) {
         std::filesystem::resize_file(d.path() / "CASSA.004", 2 * 104 + 60);
       },
       {kUnfinished}},
      {"two receipts of other totals under one number",
       {milk, Totals(12500, kDay), bread, Totals(549, kDay)},
       nullptr,
       {"Tositenumerolla löytyi useampi eri kuitti (27.03.2025 1,25 ja 27.03.2025 0,05); kopio "
        "näyttää ne yhdessä."}},
      {"two receipts of other days under one number",
       {milk, Totals(12500, kDay), bread, Totals(12500, kNextDay), Totals(12500, kNextDay)},
       nullptr,
       {"Tositenumerolla löytyi useampi eri kuitti (27.03.2025 1,25 ja 28.03.2025 1,25); kopio "
        "näyttää ne yhdessä."}},
      {"rates a copy can show",
       {Item("001", "6410000000011", 0), Item("002", "6410000000011", 24),
        Item("003", "6410000000011", 99), Item("004", "6410000000011", -9), Totals(50000, kDay)},
       nullptr,
       {}},
      {"rates it cannot",
       {Item("001", "6410000000011", 100), Item("002", "6410000000011", 255),
        Item("003", "6410000000011", -10), Item("004", "6410000000011", 255), Totals(50000, kDay)},
       nullptr,
       {Rate("-10", "rivi 003"), Rate("100", "rivi 001"), Rate("255", "rivit 002 ja 004")}},
      {"an empty products file",
       {milk, bread, Totals(25000, kDay)},
       [](const DataDirectory& d) { d.Write("CASSA.002", {}); },
       {"Tuotetiedosto {dir}CASSA.002 on tyhjä: kopiosta puuttuvat tuotteiden nimet."}},
      {"an index that names a product past the products file",
       {milk, bread, Totals(25000, kDay)},
       [](const DataDirectory& d) {
         d.Write("CASSA.002", ProductRecordBytes("6410000000011", "Maito 1l"));
       },
       {"Tuotetiedostossa {dir}CASSA.002 ei ole tuotekoodin 6410000000028 (tietue 2, rivi 002) "
        "tuotetta: kopiosta puuttuu sen nimi."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DataDirectory directory;
    directory.WriteAll(kProducts, c.rows);
    if (c.cut) {
      c.cut(directory);
    }
    Module1 module;
    const std::optional<ReceiptCopy> copy = FetchCopyFrom(directory, "123456", module);
    ASSERT_TRUE(copy);
    std::vector<std::string> expected;
    for (std::string warning : c.warnings) {
      if (const std::size_t at = warning.find("{dir}"); at != std::string::npos) {
        warning.replace(at, 5, directory.DataPath());
      }
      expected.push_back(warning);
    }
    EXPECT_EQ(copy->warnings, expected);
    // The copy is the same whether or not it is warned of.
    EXPECT_EQ(copy->text, FetchFrom(directory, "123456").value());
  }
}

}  // namespace
}  // namespace kuitti::test
