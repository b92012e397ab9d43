// Finding receipts by day, total, product and number, and the texts their criteria are
// written in.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <new>
#include <tuple>

#include "cli/ListingLine.h"
#include "receipt/DateTimeText.h"
#include "receipt/ReceiptSearch.h"
#include "receipt/SearchTerms.h"
#include "support/DataFiles.h"
#include "support/ErrorNumber.h"

namespace kuitti::test {
namespace {

constexpr double k27March2025 = 45743;

// Totals rows and item rows of a few vouchers, with the edges of every criterion.
std::vector<Row> Rows() {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  return {
      {.voucher = "000100", .saleTime = k27March2025 + 0.5, .priceRaw = 201900},
      {.kind = "I", .voucher = "000100", .productCode = "6410000000011", .priceRaw = 100},
      {.voucher = "010001", .saleTime = k27March2025 - 0.75, .priceRaw = 201933},
      {.kind = "a", .voucher = "010001", .productCode = "   77", .priceRaw = 100},
      {.kind = "m", .voucher = "000200", .saleTime = k27March2025 + 1, .priceRaw = -100},
      {.kind = "X", .voucher = "000300", .saleTime = k27March2025, .priceRaw = 201900},
      {.voucher = "000400", .saleTime = -k27March2025 - 0.5, .priceRaw = 50000},
      {.voucher = "000500", .saleTime = nan, .priceRaw = 201900},
      {.voucher = "000600", .saleTime = 2958466, .priceRaw = 201900},
      {.voucher = "000700", .saleTime = k27March2025 + 0.75, .priceRaw = 70000},
      {.kind = "X", .voucher = "000800", .productCode = "77", .priceRaw = 100},
      {.voucher = "000700", .saleTime = k27March2025 + 86399.0 / 86400, .priceRaw = 70049},
      {.kind = "M", .voucher = "000700", .productCode = "6410000000011", .priceRaw = 100},
      {.voucher = " 12345", .saleTime = k27March2025 + 0.25, .priceRaw = 0},
      {.voucher = "12a456", .saleTime = k27March2025 + 0.25, .priceRaw = 0},
  };
}

const std::string kLine100 = "M000100-001  27.03.2025  12:00:00        20,19";
const std::string kLine10001 = "M010001-001  26.03.2025  06:00:00        20,19";
const std::string kLine200 = "M000200-001  28.03.2025  00:00:00        -0,01";
const std::string kLine400 = "M000400-001  2025-03  12:00:00         5,00";
const std::string kLine700a = "M000700-001  27.03.2025  18:00:00         7,00";
const std::string kLine700b = "M000700-001  27.03.2025  23:59:59         7,00";
const std::string kLine12345 = "M 12345-001  27.03.2025  06:00:00         0,00";
const std::string kLine12a456 = "M12a456-001  27.03.2025  06:00:00         0,00";

class ReceiptSearch : public testing::Test {
 protected:
  ReceiptSearch() { directory_.WriteRows(Rows()); }

  std::vector<std::string> Lines(const SearchCriteria& criteria) const {
    std::vector<std::string> lines;
    for (const ReceiptHit& hit :
         FindReceipts(directory_.DataPath(), SystemFileSystem(), criteria).hits) {
      lines.push_back(ListingLine(hit, ","));
    }
    return lines;
  }

  DataDirectory directory_;
};

std::int32_t Day(std::string_view text) {
  return ParseDay(text).value();
}

TypedAmount Amount(std::string_view text) {
  return ParseAmount(text).value();
}

TEST_F(ReceiptSearch, EachCriterionAndItsEdges) {
  struct Case {
    const char* what;
    SearchCriteria criteria;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"no criterion: every totals row with a date",
       {},
       {kLine100, kLine10001, kLine200, kLine400, kLine700a, kLine700b, kLine12345, kLine12a456}},
      {"one day, to its last second",
       {.fromDay = Day("27.03.2025"), .toDay = Day("2025-03-27")},
       {kLine100, kLine700a, kLine700b, kLine12345, kLine12a456}},
      {"bounds inclusive",
       {.fromDay = Day("26.3.2025"), .toDay = Day("28.03.2025"), .number = "100"},
       {kLine100}},
      {"from alone, from midnight", {.fromDay = Day("28.03.2025")}, {kLine200}},
      {"to alone: a negative sale time never meets it", {.toDay = Day("26.03.2025")}, {kLine10001}},
      {"an empty range", {.fromDay = Day("28.03.2025"), .toDay = Day("27.03.2025")}, {}},
      {"a total in cents is the total the copy shows",
       {.total = Amount("20,19")},
       {kLine100, kLine10001}},
      {"a total in ten-thousandths is exact", {.total = Amount("20.1933")}, {kLine10001}},
      {"four decimals written are exact", {.total = Amount("7,0000")}, {kLine700a}},
      {"a whole total", {.total = Amount("7")}, {kLine700a, kLine700b}},
      {"a negative total", {.total = Amount("-0,01")}, {kLine200}},
      {"a product on a later row, both totals rows",
       {.productCode = "6410000000011"},
       {kLine100, kLine700a, kLine700b}},
      {"product codes trimmed; rows of other kinds do not count",
       {.productCode = " 77 "},
       {kLine10001}},
      {"a product no row has", {.productCode = "641000000001"}, {}},
      {"a dropped leading zero", {.number = "10001"}, {kLine10001}},
      {"extra leading zeros", {.number = "00000100"}, {kLine100}},
      {"a number with spaces around it", {.number = "012345"}, {kLine12345}},
      {"part of a number is not the number", {.number = "1000"}, {}},
      {"all criteria together",
       {.fromDay = Day("27.03.2025"),
        .toDay = Day("27.03.2025"),
        .total = Amount("7,00"),
        .productCode = "6410000000011",
        .number = "700"},
       {kLine700a, kLine700b}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Lines(c.criteria), c.lines) << c.what;
  }
}

// Totals rows whose product rows come before them, as a till writes them, and after them,
// as when a number comes round again further on in the file.
TEST(ReceiptSearchByProduct, RowsBeforeAndAfterTheTotalsRowCount) {
  const std::string code = "6410000000011";
  const Row totals100{.voucher = "000100", .saleTime = k27March2025, .priceRaw = 10000};
  const Row totals200{.voucher = "000200", .saleTime = k27March2025, .priceRaw = 20000};
  const Row item100{.voucher = "000100", .productCode = code};
  const Row item200{.voucher = "000200", .productCode = code};
  const Row otherItem{.voucher = "000300", .productCode = "6410000000028"};
  const Row unrendered200{.kind = "X", .voucher = "000200", .productCode = code};
  struct Case {
    const char* what;
    std::vector<Row> rows;
    std::vector<std::string> vouchers;
  };
  const std::vector<Case> cases = {
      {"products first", {item100, totals100, item200, totals200}, {"000100", "000200"}},
      {"a product after its totals row",
       {totals100, item200, totals200, item100},
       {"000100", "000200"}},
      {"only after, in file order", {totals200, totals100, item100, item200}, {"000200", "000100"}},
      {"a row of another voucher or kind does not count",
       {totals100, unrendered200, totals200, otherItem, item100},
       {"000100"}},
      {"one product row for both totals rows of its voucher",
       {totals100, item100, totals100},
       {"000100", "000100"}},
      {"no product row", {totals100, otherItem, totals200}, {}},
  };
  for (const Case& c : cases) {
    DataDirectory directory;
    directory.WriteRows(c.rows);
    for (const std::size_t limit : {std::size_t{1}, std::size_t{10}}) {
      const SearchResult result =
          FindReceipts(directory.DataPath(), SystemFileSystem(), {.productCode = code}, limit);
      std::vector<std::string> vouchers;
      for (const ReceiptHit& hit : result.hits) {
        vouchers.push_back(VoucherText(hit));
      }
      // The last ones are kept.
      std::vector<std::string> expected = c.vouchers;
      expected.erase(expected.begin(), expected.end() - static_cast<std::ptrdiff_t>(
                                                            std::min(expected.size(), limit)));
      EXPECT_EQ(vouchers, expected) << c.what << ", limit " << limit;
      EXPECT_EQ(result.matched, static_cast<std::int64_t>(c.vouchers.size())) << c.what;
    }
  }
}

// Files of thousands of rows are read and tested in blocks on two threads; the vouchers whose
// rows fall on both sides of a block's edge, and product rows far after their totals rows,
// must count as in a file read row by row. Vouchers of six digits and others are kept apart.
TEST(ReceiptSearchByProduct, VouchersAcrossTheBlocksOfALargeFileCountAsInOneFile) {
  const std::string code = "6410000000011";
  const auto voucher = [](int n) {
    std::string digits = std::to_string(n);
    return std::string(6 - digits.size(), n % 5 == 1 ? 'K' : '0') + digits;
  };
  for (const bool withALateProductRow : {false, true}) {
    std::vector<Row> rows;
    for (int n = 1; n <= 400; ++n) {
      for (int item = 0; item < 12; ++item) {
        const bool hasProduct = n % 7 == 0 && item == n % 12;
        rows.push_back({.voucher = voucher(n), .productCode = hasProduct ? code : "6410000000028"});
      }
      rows.push_back({.voucher = voucher(n), .saleTime = k27March2025 + n / 1000.0});
    }
    if (withALateProductRow) {
      rows.push_back({.voucher = voucher(1), .productCode = code});
      rows.push_back({.voucher = voucher(2), .productCode = code});
    }
    std::vector<std::string> expected;
    for (int n = 1; n <= 400; ++n) {
      if (n % 7 == 0 || (withALateProductRow && n <= 2)) {
        expected.push_back(voucher(n));
      }
    }
    DataDirectory directory;
    directory.WriteRows(rows);
    for (const std::size_t limit : {std::size_t{3}, std::numeric_limits<std::size_t>::max()}) {
      const SearchResult result =
          FindReceipts(directory.DataPath(), SystemFileSystem(), {.productCode = code}, limit);
      std::vector<std::string> vouchers;
      for (const ReceiptHit& hit : result.hits) {
        vouchers.push_back(VoucherText(hit));
      }
      const std::vector<std::string> last(
          expected.end() - static_cast<std::ptrdiff_t>(std::min(expected.size(), limit)),
          expected.end());
      EXPECT_EQ(vouchers, last) << "late row " << withALateProductRow << ", limit " << limit;
      EXPECT_EQ(result.matched, static_cast<std::int64_t>(expected.size()));
    }
  }
}

// Every way a voucher field can hold a number: zeros in front, spaces on either side.
// A receipt that meets each criterion, in every place among rows that do not: the scan
// looks at four rows at a time, so a hit must be found in each place of a four and among the
// rows left after the last whole four.
TEST(ReceiptSearchPlaces, AHitIsFoundInEveryPlaceAmongOtherRows) {
  const std::vector<std::pair<const char*, SearchCriteria>> criteria = {
      {"number", {.number = "123456"}},
      {"total", {.total = Amount("20,19")}},
      {"day", {.fromDay = Day("27.03.2025"), .toDay = Day("27.03.2025")}},
      {"none", {}},
  };
  for (const auto& [name, criterion] : criteria) {
    for (std::size_t count = 1; count <= 10; ++count) {
      for (std::size_t place = 0; place < count; ++place) {
        std::vector<Row> rows;
        for (std::size_t i = 0; i < count; ++i) {
          if (i == place) {
            rows.push_back(
                {.voucher = "123456", .saleTime = k27March2025 + 0.5, .priceRaw = 201900});
          } else {
            // Other vouchers' item rows, and for all but the search without criteria,
            // totals rows that miss the criterion.
            rows.push_back({.kind = name == std::string("none") ? "I" : "M",
                            .voucher = "654321",
                            .saleTime = k27March2025 + 3,
                            .productCode = name == std::string("none") ? "6410000000011" : "",
                            .priceRaw = 99900});
          }
        }
        DataDirectory directory;
        directory.WriteRows(rows);
        const SearchResult result =
            FindReceipts(directory.DataPath(), SystemFileSystem(), criterion);
        ASSERT_EQ(result.matched, 1) << name << ": " << count << " rows, the hit at " << place;
        EXPECT_EQ(ListingLine(result.hits.front(), ","),
                  "M123456-001  27.03.2025  12:00:00        20,19")
            << name << ": " << count << " rows, the hit at " << place;
      }
    }
  }
}

TEST(ReceiptSearchByNumber, TheFieldsThatShowTheNumber) {
  const std::vector<std::string> fields = {"000100", "  100 ", "100   ", " 0100 ",
                                           "0 100 ", "1000  ", "000000", "   0  ",
                                           "0     ", " 0 0  ", "      ", "12345 "};
  std::vector<Row> rows;
  for (const std::string& field : fields) {
    rows.push_back({.voucher = field, .saleTime = k27March2025});
  }
  DataDirectory directory;
  directory.WriteRows(rows);
  struct Case {
    const char* number;
    std::vector<std::string> vouchers;
  };
  for (const Case& c : std::vector<Case>{
           {"100", {"000100", "  100 ", "100   ", " 0100 "}},
           {"0000100", {"000100", "  100 ", "100   ", " 0100 "}},
           {"1000", {"1000  "}},
           {"0", {"000000", "   0  ", "0     "}},
           {"00000000", {"000000", "   0  ", "0     "}},
           {"12345", {"12345 "}},
           {"1234567", {}},
       }) {
    std::vector<std::string> vouchers;
    for (const ReceiptHit& hit :
         FindReceipts(directory.DataPath(), SystemFileSystem(), {.number = c.number}).hits) {
      vouchers.push_back(VoucherText(hit));
    }
    EXPECT_EQ(vouchers, c.vouchers) << c.number;
  }
}

// The smallest and the largest total a row can hold, and those next to them.
TEST(ReceiptSearchByTotal, BothEndsOfTheRange) {
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  DataDirectory directory;
  directory.WriteRows({
      {.voucher = "000001", .saleTime = k27March2025, .priceRaw = kMin},
      {.voucher = "000002", .saleTime = k27March2025, .priceRaw = kMin + 49},
      {.voucher = "000003", .saleTime = k27March2025, .priceRaw = kMin + 59},
      {.voucher = "000004", .saleTime = k27March2025, .priceRaw = kMax - 58},
      {.voucher = "000005", .saleTime = k27March2025, .priceRaw = kMax - 7},
      {.voucher = "000006", .saleTime = k27March2025, .priceRaw = kMax},
  });
  struct Case {
    const char* amount;
    std::vector<std::string> vouchers;
  };
  for (const Case& c : std::vector<Case>{
           {"-922337203685477,5808", {"000001"}},
           {"-922337203685477,58", {"000001", "000002"}},
           {"-922337203685477,5749", {"000003"}},
           {"-922337203685477,57", {"000003"}},
           {"922337203685477,57", {"000004"}},
           {"922337203685477,58", {"000005", "000006"}},
           {"922337203685477,5807", {"000006"}},
       }) {
    std::vector<std::string> vouchers;
    for (const ReceiptHit& hit :
         FindReceipts(directory.DataPath(), SystemFileSystem(), {.total = Amount(c.amount)}).hits) {
      vouchers.push_back(VoucherText(hit));
    }
    EXPECT_EQ(vouchers, c.vouchers) << c.amount;
  }
}

TEST_F(ReceiptSearch, TheLimitKeepsTheLastInFileOrderAndCountsThemAll) {
  const SearchCriteria byTotal{.total = Amount("7")};  // 700a, 700b
  const SearchCriteria byDay{.fromDay = Day("27.03.2025"), .toDay = Day("27.03.2025")};
  const SearchCriteria byProduct{.productCode = "6410000000011"};  // 100, 700a, 700b
  struct Case {
    const char* what;
    SearchCriteria criteria;
    std::size_t limit;
    std::vector<std::string> lines;
    std::int64_t matched;
  };
  const std::vector<Case> cases = {
      {"one of two", byTotal, 1, {kLine700b}, 2},
      {"all, the limit just met", byTotal, 2, {kLine700a, kLine700b}, 2},
      {"the ring wrapped more than once", byDay, 2, {kLine12345, kLine12a456}, 5},
      {"the ring wrapped to its start", {}, 4, {kLine700a, kLine700b, kLine12345, kLine12a456}, 8},
      {"none kept", byTotal, 0, {}, 2},
      {"with a product, one of three", byProduct, 1, {kLine700b}, 3},
      {"with a product, two of three", byProduct, 2, {kLine700a, kLine700b}, 3},
  };
  for (const Case& c : cases) {
    const SearchResult result =
        FindReceipts(directory_.DataPath(), SystemFileSystem(), c.criteria, c.limit);
    std::vector<std::string> lines;
    for (const ReceiptHit& hit : result.hits) {
      lines.push_back(ListingLine(hit, ","));
    }
    EXPECT_EQ(lines, c.lines) << c.what;
    EXPECT_EQ(result.matched, c.matched) << c.what;
  }
}

TEST_F(ReceiptSearch, OnlyCassa004IsNeeded) {
  DataDirectory rowsOnly;
  rowsOnly.Write("CASSA.004", ReceiptRow(Rows()[0]));
  EXPECT_EQ(FindReceipts(rowsOnly.DataPath(), SystemFileSystem(), {}).matched, 1);
  EXPECT_EQ(ErrorNumberOf(
                [&] { FindReceipts(rowsOnly.DataPath() + "puuttuu/", SystemFileSystem(), {}); }),
            kPathNotFound);
}

TEST(ReceiptSearchDays, TheDayIsTheDateTheCopyShows) {
  // Around the midnights that begin and end 27 March 2025 (day 45743), and the calendar's end.
  constexpr double k23595 = 86399.5 / 86400;
  constexpr double k23594 = 86399.4 / 86400;
  const std::vector<Row> rows = {
      {.voucher = "000001", .saleTime = k27March2025 - 1 + k23594},  // 26.03. 23:59:59
      {.voucher = "000002", .saleTime = k27March2025 - 1 + k23595},  // 27.03. 00:00:00
      {.voucher = "000003", .saleTime = k27March2025 + k23594},      // 27.03. 23:59:59
      {.voucher = "000004", .saleTime = k27March2025 + k23595},      // 28.03. 00:00:00
      {.voucher = "000005", .saleTime = 2958465 + 86399.0 / 86400},  // 31.12.9999 23:59:59
      {.voucher = "000006", .saleTime = 2958465 + 86399.6 / 86400},  // past the calendar
  };
  DataDirectory directory;
  directory.WriteRows(rows);
  struct Case {
    const char* from;
    const char* to;
    std::vector<std::string> vouchers;
  };
  const std::vector<Case> cases = {
      {"26.03.2025", "26.03.2025", {"000001"}},
      {"27.03.2025", "27.03.2025", {"000002", "000003"}},
      {"28.03.2025", "28.03.2025", {"000004"}},
      {"27.03.2025", "28.03.2025", {"000002", "000003", "000004"}},
      {"31.12.9999", "31.12.9999", {"000005"}},
      {"01.01.2025", "31.12.9999", {"000001", "000002", "000003", "000004", "000005"}},
  };
  for (const Case& c : cases) {
    const SearchResult result = FindReceipts(directory.DataPath(), SystemFileSystem(),
                                             {.fromDay = Day(c.from), .toDay = Day(c.to)});
    std::vector<std::string> vouchers;
    for (const ReceiptHit& hit : result.hits) {
      vouchers.push_back(VoucherText(hit));
    }
    EXPECT_EQ(vouchers, c.vouchers) << c.from << " to " << c.to;
  }
  // Without criteria every row with a date, the one past the calendar left out.
  EXPECT_EQ(FindReceipts(directory.DataPath(), SystemFileSystem(), {}).matched, 5);
}

TEST(ReceiptSearchDays, FirstValueShownOnADayIsExact) {
  // The value itself shows the day, the double just below it the day before.
  for (std::int64_t day : {1, 2, 36526, 45743, 1 << 20, 2958465}) {
    const double first = FirstDayValueShownOn(day);
    const double below = std::nextafter(first, 0.0);
    EXPECT_EQ(DateText(first), DateText(static_cast<double>(day))) << day;
    EXPECT_EQ(TimeText(first), "00:00:00") << day;
    EXPECT_EQ(DateText(below), DateText(static_cast<double>(day - 1))) << day;
    EXPECT_EQ(TimeText(below), "23:59:59") << day;
  }
  const double pastCalendar = FirstDayValueShownOn(2958466);
  EXPECT_EQ(ErrorNumberOf([&] { DateText(pastCalendar); }), kOverflow);
  EXPECT_EQ(DateText(std::nextafter(pastCalendar, 0.0)), "31.12.9999");
  for (std::int64_t day : {0, -1, -45743}) {
    EXPECT_EQ(FirstDayValueShownOn(day), 0.0) << day;
  }
}

TEST(ReceiptSearchCount, TakesWholeRowsOnly) {
  // Totals rows of vouchers 1 and 2, then part of the totals row of voucher 3: however much
  // of it is written, the search lists what the copy shows, the two whole rows.
  const Row first{.voucher = "000001", .saleTime = k27March2025, .priceRaw = 10000};
  const Row third{.voucher = "000003", .saleTime = k27March2025, .priceRaw = 10000};
  Bytes whole = ReceiptRow(first);
  Append(whole, ReceiptRow(Row{.voucher = "000002", .saleTime = k27March2025}));
  const Bytes partial = ReceiptRow(third);
  for (long extra : {0, 1, 52, 53, 103}) {
    Bytes file = whole;
    file.insert(file.end(), partial.begin(), partial.begin() + extra);
    DataDirectory directory;
    directory.Write("CASSA.004", file);
    EXPECT_EQ(FindReceipts(directory.DataPath(), SystemFileSystem(), {}).matched, 2)
        << extra << " bytes of a third row";
  }
}

TEST(ReceiptSearchFailures, RunningOutOfMemoryIsANumberedErrorInFinnish) {
  class ExhaustedFileSystem final : public FileSystem {
   public:
    std::unique_ptr<RandomAccessFile> OpenShared(const std::string&) override {
      throw std::bad_alloc();
    }
  } exhausted;
  const RaisedError error = ErrorOf([&] { FindReceipts("/data/", exhausted, {}); });
  EXPECT_EQ(error.number, kOutOfMemory);
  EXPECT_EQ(error.description, "Muisti loppui");
}

TEST(SearchTerms, DaysInEitherForm) {
  EXPECT_EQ(ParseDay("30.12.1899"), 0);
  EXPECT_EQ(ParseDay("01.01.2000"), 36526);
  EXPECT_EQ(ParseDay("1.1.2000"), 36526);
  EXPECT_EQ(ParseDay("2000-01-01"), 36526);
  EXPECT_EQ(ParseDay("29.02.2024"), ParseDay("28.02.2024").value() + 1);
  EXPECT_EQ(ParseDay("31.12.9999"), 2958465);
  // Written in neither form, or a day that does not exist; only the latter has the form.
  for (const char* malformed : {"", "1.1.25", "2025-1-01", "2025/01/01", "01.01.2025.", "1..2025",
                                "+1.01.2025", "01.01.10000"}) {
    EXPECT_EQ(ParseDay(malformed), std::nullopt) << malformed;
    EXPECT_FALSE(ReadDayForm(malformed).has_value()) << malformed;
  }
  for (const char* missing :
       {"29.02.2025", "31.04.2025", "00.01.2025", "1.13.2025", "01.01.0000", "2025-02-30"}) {
    EXPECT_EQ(ParseDay(missing), std::nullopt) << missing;
    EXPECT_TRUE(ReadDayForm(missing).has_value()) << missing;
  }
  const auto written = ReadDayForm("31.2.2025");
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(std::tie(written->year, written->month, written->day), std::make_tuple(2025, 2, 31));
}

TEST(SearchTerms, AmountsWithEitherSeparator) {
  struct Case {
    const char* text;
    std::int64_t raw;
    int decimals;
  };
  for (const Case& c : std::vector<Case>{{"20,19", 201900, 2},
                                         {"20.19", 201900, 2},
                                         {"-0,01", -100, 2},
                                         {"7", 70000, 0},
                                         {"0,1234", 1234, 4},
                                         {"922337203685477,5807", INT64_MAX, 4},
                                         {"922337203685477,58", INT64_MAX - 7, 2},
                                         {"-922337203685477,5808", INT64_MIN, 4},
                                         {"-922337203685477.58", INT64_MIN + 8, 2},
                                         {"-0000922337203685477,5808", INT64_MIN, 4}}) {
    const auto amount = ParseAmount(c.text);
    ASSERT_TRUE(amount) << c.text;
    EXPECT_EQ(amount->value.raw(), c.raw) << c.text;
    EXPECT_EQ(amount->decimals, c.decimals) << c.text;
  }
  for (const char* bad : {"", "-", ",5", "7,", "1,23456", "1 000", "1,2,3", "--1", "+1", "1e3",
                          "922337203685477,5808", "922337203685477,59", "-922337203685477,5809",
                          "-922337203685477,59", "18446744073709551616", "-18446744073709551616"}) {
    EXPECT_EQ(ParseAmount(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace kuitti::test
