// "Etsi kuitti"'s steps against a recording dialog: the fields read, the rows and the summary
// shown, a bad total pointed out, errors reported, the range kept whole and the pick handed on.

#include <gtest/gtest.h>

#include <optional>

#include "app/SearchSteps.h"
#include "data/RuntimeError.h"
#include "support/DataFiles.h"

namespace kuitti::test {
namespace {

constexpr double k27March2025 = 45743;

class RecordingSearchWindow final : public SearchWindow {
 public:
  bool DaysTicked() const override { return daysTicked; }
  CalendarDay Day(DayField field) const override { return field == DayField::kFrom ? from : to; }
  void SetDay(DayField field, CalendarDay day) override {
    calls.push_back(field == DayField::kFrom ? "SetDay from" : "SetDay to");
    (field == DayField::kFrom ? from : to) = day;
  }
  std::string Text(SearchField field) const override { return texts.at(field); }
  void Focus(SearchField field) override {
    calls.push_back(field == SearchField::kTotal ? "Focus total" : "Focus other");
  }
  void ShowRows(const std::vector<SearchRow>& shown) override {
    calls.push_back("ShowRows");
    rows = shown;
  }
  void SelectRow(std::size_t row) override { calls.push_back("SelectRow " + std::to_string(row)); }
  void SetSummary(std::string_view text) override {
    calls.push_back("SetSummary");
    summary = text;
  }
  void ShowMessage(std::string_view text) override {
    calls.push_back("ShowMessage");
    messages.emplace_back(text);
  }
  void SetBusy(bool on) override { calls.push_back(on ? "SetBusy 1" : "SetBusy 0"); }
  void Close() override { calls.push_back("Close"); }

  bool daysTicked = true;
  CalendarDay from{2025, 3, 27};
  CalendarDay to{2025, 3, 27};
  std::map<SearchField, std::string> texts = {
      {SearchField::kTotal, ""}, {SearchField::kProduct, ""}, {SearchField::kNumber, ""}};
  std::vector<std::string> calls;
  std::vector<SearchRow> rows;
  std::string summary;
  std::vector<std::string> messages;
};

std::string Report(const RuntimeError& error, const std::string& dataPath) {
  return std::string(error.what()) + " | " + dataPath;
}

std::vector<Row> Receipts() {
  return {
      {.voucher = "000100", .saleTime = k27March2025 + 0.5, .priceRaw = 201900},
      {.kind = "I", .voucher = "000100", .productCode = "6410000000011", .priceRaw = 100},
      {.voucher = "010001", .saleTime = k27March2025 - 0.75, .priceRaw = 201933},
      {.kind = "M", .voucher = "010001", .productCode = "77", .priceRaw = 100},
      {.voucher = "000700", .saleTime = k27March2025 + 0.75, .priceRaw = 70000},
      {.voucher = "000700", .saleTime = k27March2025 + 86399.0 / 86400, .priceRaw = 70049},
  };
}

class SearchStepsTest : public testing::Test {
 protected:
  SearchStepsTest() { store.WriteRows(Receipts()); }

  SearchSteps Steps(const std::string& dataPath) {
    return SearchSteps(
        window, dataPath, SystemFileSystem(), ",", Report,
        [this](const std::string& voucher) { window.calls.push_back("picked " + voucher); });
  }

  std::vector<std::string> ShownVouchers() const {
    std::vector<std::string> vouchers;
    for (const SearchRow& row : window.rows) {
      vouchers.push_back(row.voucher);
    }
    return vouchers;
  }

  DataDirectory store;
  RecordingSearchWindow window;
};

using Texts = std::vector<std::string>;

TEST_F(SearchStepsTest, TheFieldsAreReadAsTypedAndTheRowsShownWithTheirSummary) {
  struct Case {
    const char* what;
    bool daysTicked;
    std::string total, product, number;
    Texts vouchers;
    std::string summary;
  };
  const std::vector<Case> cases = {
      {"the day alone", true, "", "", "", {"000100", "000700", "000700"}, "Löytyi 3 kuittia."},
      {"every day",
       false,
       "",
       "",
       "",
       {"000100", "010001", "000700", "000700"},
       "Löytyi 4 kuittia."},
      {"a total with spaces around it",
       false,
       " 20,19 ",
       "",
       "",
       {"000100", "010001"},
       "Löytyi 2 kuittia."},
      {"a product, trimmed", false, "", " 77 ", "", {"010001"}, "Löytyi 1 kuitti."},
      {"a number without its leading zeros",
       false,
       "",
       "",
       "10001",
       {"010001"},
       "Löytyi 1 kuitti."},
      {"all of them", true, "7", "", "700", {"000700", "000700"}, "Löytyi 2 kuittia."},
      {"none on the day", true, "", "77", "", {}, "Kuitteja ei löytynyt päivältä 27.03.2025."},
      {"none on any day", false, "", "78", "", {}, "Kuitteja ei löytynyt."},
  };
  for (const Case& c : cases) {
    window = RecordingSearchWindow();
    window.daysTicked = c.daysTicked;
    window.texts = {{SearchField::kTotal, c.total},
                    {SearchField::kProduct, c.product},
                    {SearchField::kNumber, c.number}};
    Steps(store.DataPath()).Search();
    EXPECT_EQ(ShownVouchers(), c.vouchers) << c.what;
    EXPECT_EQ(window.summary, c.summary) << c.what;
    EXPECT_EQ(window.calls, (Texts{"SetBusy 1", "SetBusy 0", "ShowRows", "SetSummary"})) << c.what;
    EXPECT_TRUE(window.messages.empty()) << c.what;
  }
}

TEST_F(SearchStepsTest, ARowShowsTheVoucherDayTimeAndTotal) {
  Steps(store.DataPath()).Search();
  ASSERT_EQ(window.rows.size(), 3u);
  EXPECT_EQ(window.rows[0].cells,
            (std::array<std::string, 4>{"M000100-001", "27.03.2025", "12:00:00", "20,19"}));
  EXPECT_EQ(window.rows[2].cells,
            (std::array<std::string, 4>{"M000700-001", "27.03.2025", "23:59:59", "7,00"}));
}

TEST_F(SearchStepsTest, MoreThanAThousandShowTheThousandMostRecentInFileOrder) {
  std::vector<Row> many;
  for (int number = 1; number <= 1002; ++number) {
    std::string voucher = std::to_string(number);
    voucher.insert(0, 6 - voucher.size(), '0');
    many.push_back({.voucher = voucher, .saleTime = k27March2025, .priceRaw = 10000});
  }
  const DataDirectory big;
  big.WriteRows(many);
  Steps(big.DataPath()).Search();
  ASSERT_EQ(window.rows.size(), 1000u);
  EXPECT_EQ(window.rows.front().voucher, "000003");
  EXPECT_EQ(window.rows.back().voucher, "001002");
  EXPECT_EQ(window.summary, "Löytyi 1\u00A0002 kuittia; näytetään 1\u00A0000 viimeisintä.");
}

TEST(SearchSummary, CountsWithTheirThousandsApart) {
  struct Case {
    std::size_t shown;
    std::int64_t matched;
    std::string summary;
  };
  for (const Case& c : std::vector<Case>{
           {0, 0, "Kuitteja ei löytynyt."},
           {1, 1, "Löytyi 1 kuitti."},
           {999, 999, "Löytyi 999 kuittia."},
           {1000, 1000, "Löytyi 1\u00A0000 kuittia."},
           {1000, 3002, "Löytyi 3\u00A0002 kuittia; näytetään 1\u00A0000 viimeisintä."},
           {1000, 1234567, "Löytyi 1\u00A0234\u00A0567 kuittia; näytetään 1\u00A0000 viimeisintä."},
       }) {
    EXPECT_EQ(SearchSummary(c.shown, c.matched, std::nullopt), c.summary) << c.matched;
  }
}

TEST(SearchSummary, NoneFoundNamesTheDaysSearched) {
  const CalendarDay december1{2026, 12, 1}, december9{2026, 12, 9};
  EXPECT_EQ(SearchSummary(0, 0, DaysSearched{december9, december9}),
            "Kuitteja ei löytynyt päivältä 09.12.2026.");
  EXPECT_EQ(SearchSummary(0, 0, DaysSearched{december1, december9}),
            "Kuitteja ei löytynyt ajalta 01.12.2026\u201309.12.2026.");
  EXPECT_EQ(SearchSummary(1, 1, DaysSearched{december9, december9}), "Löytyi 1 kuitti.");
}

TEST_F(SearchStepsTest, OpeningListsTheNewestReceiptsDayWithTheNewestReceiptCurrent) {
  // The newest receipt is the last totals row, 000700 at 23:59:59 on 27.03.2025; one of
  // 26.03.2025 lies between. The dialog opened on another day.
  window.from = window.to = CalendarDay{2026, 12, 9};
  Steps(store.DataPath()).Open();
  EXPECT_EQ(window.from, (CalendarDay{2025, 3, 27}));
  EXPECT_EQ(window.to, (CalendarDay{2025, 3, 27}));
  EXPECT_EQ(ShownVouchers(), (Texts{"000100", "000700", "000700"}));
  EXPECT_EQ(window.calls, (Texts{"SetBusy 1", "SetBusy 0", "SetDay from", "SetDay to", "SetBusy 1",
                                 "SetBusy 0", "ShowRows", "SetSummary", "SelectRow 2"}));
}

TEST_F(SearchStepsTest, OpeningOnAFileWithoutReceiptsOrWithAnErrorLeavesTheDayAsItWas) {
  struct Case {
    const char* what;
    std::vector<Row> rows;
    std::string dataPath;  // empty: the store's
    Texts calls;
  };
  const std::string missing = store.DataPath() + "puuttuu/";
  const std::vector<Case> cases = {
      {"an empty file", {}, "", {"SetBusy 1", "SetBusy 0", "SetSummary"}},
      {"item rows alone",
       {{.kind = "I", .voucher = "000100", .productCode = "1", .priceRaw = 100}},
       "",
       {"SetBusy 1", "SetBusy 0", "SetSummary"}},
      {"no receipt file", {}, missing, {"SetBusy 1", "SetBusy 0", "ShowMessage"}},
  };
  for (const Case& c : cases) {
    window = RecordingSearchWindow();
    const DataDirectory data;
    data.WriteRows(c.rows);
    Steps(c.dataPath.empty() ? data.DataPath() : c.dataPath).Open();
    EXPECT_EQ(window.calls, c.calls) << c.what;
    EXPECT_EQ(window.from, (CalendarDay{2025, 3, 27})) << c.what;
    if (c.calls.back() == "SetSummary") {
      EXPECT_EQ(window.summary, "Kuitteja ei löytynyt.") << c.what;
    }
  }
}

TEST_F(SearchStepsTest, HomeAndEndMakeTheFirstAndLastRowCurrent) {
  SearchSteps steps = Steps(store.DataPath());
  steps.Run(Command::kLastRow, 0);  // nothing listed yet
  steps.Search();
  window.calls.clear();
  steps.Run(Command::kLastRow, 0);
  steps.Run(Command::kFirstRow, 2);
  EXPECT_EQ(window.calls, (Texts{"SelectRow 2", "SelectRow 0"}));
}

TEST_F(SearchStepsTest, ATotalThatIsNoAmountIsPointedOutAndNothingIsSearched) {
  for (const char* total : {"-", "20,", ",5", "1,23456"}) {
    window = RecordingSearchWindow();
    window.texts[SearchField::kTotal] = total;
    Steps(store.DataPath() + "puuttuu/").Search();  // a search would fail here
    EXPECT_EQ(window.messages, Texts{"Tarkista yhteensä: esimerkiksi 20,19 tai -0,01."}) << total;
    EXPECT_EQ(window.calls, (Texts{"ShowMessage", "Focus total"})) << total;
  }
}

TEST_F(SearchStepsTest, AnErrorIsReportedAsAFetchsAndTheListStays) {
  const std::string missing = store.DataPath() + "puuttuu/";
  SearchSteps steps = Steps(missing);
  steps.Search();
  EXPECT_EQ(window.messages,
            Texts{"Virhe 76: Kansiota ei ole olemassa: " + missing + " | " + missing});
  EXPECT_EQ(window.calls, (Texts{"SetBusy 1", "SetBusy 0", "ShowMessage"}));
}

TEST_F(SearchStepsTest, PickingARowClosesTheDialogAndHandsTheVoucherOn) {
  SearchSteps steps = Steps(store.DataPath());
  steps.Search();
  window.calls.clear();
  steps.Pick(1);
  EXPECT_EQ(window.calls, (Texts{"Close", "picked 000700"}));
  window.calls.clear();
  steps.Pick(3);  // past the rows shown
  EXPECT_TRUE(window.calls.empty());
}

TEST_F(SearchStepsTest, AStartPastTheEndTakesTheEndAlongAndTheOtherWayRound) {
  const CalendarDay march20{2025, 3, 20}, march27{2025, 3, 27}, april2{2025, 4, 2};
  struct Case {
    const char* what;
    DayField changed;
    CalendarDay day;
    CalendarDay from, to;
  };
  for (const Case& c :
       {Case{"a start inside the range", DayField::kFrom, march20, march20, march27},
        Case{"a start past the end", DayField::kFrom, april2, april2, april2},
        Case{"a start on the end", DayField::kFrom, march27, march27, march27},
        Case{"an end before the start", DayField::kTo, march20, march20, march20},
        Case{"an end past the start", DayField::kTo, april2, march20, april2}}) {
    window.from = march20;
    window.to = march27;
    (c.changed == DayField::kFrom ? window.from : window.to) = c.day;
    Steps(store.DataPath()).DayChanged(c.changed);
    EXPECT_EQ(window.from, c.from) << c.what;
    EXPECT_EQ(window.to, c.to) << c.what;
  }
}

}  // namespace
}  // namespace kuitti::test
