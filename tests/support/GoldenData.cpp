#include "support/GoldenData.h"

#include <string>

namespace kuitti::test {
namespace {

const std::string kMilk = "6410000000011";
const std::string kRyeBread = "6410000000028";
const std::string kPear = "6410000000042";
const std::string kCoffee = "6410000000059";
const std::string kCheese = "6410000000035";
const std::string kOats = std::string("641000000\x7F") + "080";
const std::string kUnknown = "6419999999999";
const std::string kTotals = "";

Row Item(std::string kind, std::string voucher, std::string rowNumber, std::string code,
         std::int64_t priceRaw, std::int64_t quantityRaw, std::int16_t vatRate) {
  return Row{.kind = kind,
             .voucher = voucher,
             .rowNumber = rowNumber,
             .saleTime = 0,
             .productCode = code,
             .priceRaw = priceRaw,
             .quantityRaw = quantityRaw,
             .vatRate = vatRate};
}

// The totals row: Price holds the total, Quantity the rounding. Its other fields carry
// values that must not show.
Row Totals(std::string kind, std::string voucher, double saleTime, std::int64_t totalRaw,
           std::int64_t roundingRaw) {
  return Row{.kind = kind,
             .voucher = voucher,
             .rowNumber = "999",
             .saleTime = saleTime,
             .productCode = kTotals,
             .priceRaw = totalRaw,
             .quantityRaw = roundingRaw,
             .vatRate = 77};
}

}  // namespace

const std::vector<Product>& GoldenCatalogue() {
  static const std::vector<Product> products = {
      {kPear, "PÄÄRYNÄ"},
      {kMilk, "MAITO"},
      {kOats, "KAURA\tHIUTALE\x7F"},
      {kRyeBread, "RUISLEIPÄ"},
      {kCoffee, "KAHVI TUMMA PAAHTO 500 GR"},
      {kCheese, "ÅLANDSOST 400 G"},
      {"6410000000066", "LAHJAKORTTI 10 €"},
  };
  return products;
}

const std::vector<Row>& GoldenStoreRows() {
  static const std::vector<Row> rows = {
      // Voucher numbers that only look like others.
      Item("M", "12345 ", "001", kMilk, 10000, 10000, 24),
      Item("M", "AB1234", "001", kMilk, 12500, 10000, 14),

      // MAITO as kinds M and A.
      Item("M", "123456", "001", kMilk, 12500, 20000, 23),
      Item("A", "123456", "002", kMilk, 12500, 20000, 23),
      Totals("M", "123456", 36526.5, 50000, 0),

      // Totals 10,52, rounding 0,02, paid 10,50.
      Item("M", "000042", "001", kRyeBread, 26300, 40000, 14),
      Totals("M", "000042", 45000.75, 105200, 200),

      // VAT 24 % totalling 124,00 and 14 % totalling 11,40; no totals row.
      Item("M", "000100", "001", kCoffee, 500000, 20000, 24),
      Item("I", "000100", "002", kCheese, 240000, 10000, 24),
      Item("M", "000100", "003", kPear, 38000, 30000, 14),

      // Only a totals row.
      Totals("I", "000200", 44927.3, 120300, -200),

      // Lower-case kinds.
      Item("m", "000300", "001", kMilk, 12500, 10000, 14),
      Item("i", "000300", "002", kRyeBread, 26300, 10000, 14),
      Item("a", "000300", "003", kPear, 38000, 5000, 24),
      Totals("a", "000300", 44927.5, 57800, -200),

      // Other kind letters are skipped, totals rows too.
      Item("X", "000400", "001", kMilk, 12500, 10000, 14),
      Item("M", "000400", "002", kRyeBread, 26300, 20000, 14),
      Item(" ", "000400", "003", kPear, 38000, 10000, 24),
      Item("B", "000400", "004", kPear, 38000, 10000, 10),
      Item("Ä", "000400", "005", kPear, 38000, 10000, 10),
      Totals("T", "000400", 1.0, 99990000, 0),
      Totals("I", "000400", 44927.75, 52600, 100),

      // A voucher whose rows all have other kinds.
      Item("X", "000410", "001", kMilk, 12500, 10000, 14),
      Totals("Z", "000410", 44927.75, 12500, 0),

      // Two vouchers interleaved; 000500 has two totals rows.
      Item("M", "000500", "001", kMilk, 12500, 30000, 14),
      Item("M", "000501", "001", kPear, 38000, 10000, 14),
      Totals("M", "000500", 44927.25, 37500, 0),
      Item("M", "000500", "001", kRyeBread, 26300, 10000, 14),
      Totals("M", "000501", 44927.5, 38000, 0),
      Item("A", "000500", "002", "2000000000017", 100000, -10000, 24),
      Totals("M", "000500", 44927.875, -73700, -200),

      // Products not in the index after a hit: a code that is missing, and the code of a
      // product with a leading space.
      Item("M", "000600", "001", kMilk, 12500, 10000, 14),
      Item("M", "000600", "002", kUnknown, 40000, 10000, 14),
      Item("I", "000600", "003", " 641000000002", 20000, 10000, 14),

      // A product not in the index before any hit.
      Item("M", "000700", "001", kUnknown, 10000, 10000, 24),
      Item("M", "000700", "002", kMilk, 12500, 10000, 24),

      // Control characters in the code, row number and name; a code of 13 NULs.
      Item("M", "000800",
           "\x1B"
           "01",
           kOats, 20000, 10000, 14),
      Item("M", "000800", "002", std::string(13, '\0'), 5000, 20000, 14),

      // Values wider than their columns.
      Item("M", "000900", "001", kMilk, 999999900, 100000000, 0),
      Item("I", "000900", "002", kRyeBread, 100, 12345678, 0),
      Item("A", "000900", "003", "2000000000024", 110000, 10000, 1000),

      // A weighed return and quantities of six and seven characters beside short prices; a
      // rate the summary cannot show.
      Item("M", "001000", "001", kRyeBread, 99000, -123450, 14),
      Item("M", "001000", "002", kMilk, 12500, 123450, 14),
      Item("I", "001000", "003", kPear, 20000, -12682, 255),
      Totals("M", "001000", 45743.5, -1093206, -6),
  };
  return rows;
}

void WriteGoldenStore(const DataDirectory& directory) {
  directory.WriteAll(GoldenCatalogue(), GoldenStoreRows());
}

void WritePartialLastRecordStore(const DataDirectory& directory) {
  directory.WriteAll(GoldenCatalogue(), {});
  Bytes rows = ReceiptRow(Item("M", "000950", "001", kMilk, 12500, 40000, 14));
  const Bytes last = ReceiptRow(Item("M", "000950", "002", kRyeBread, 30000, 20000, 24));
  rows.insert(rows.end(), last.begin(), last.begin() + 60);
  directory.Write("CASSA.004", rows);
}

}  // namespace kuitti::test
