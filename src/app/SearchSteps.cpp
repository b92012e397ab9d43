#include "app/SearchSteps.h"

#include <chrono>
#include <optional>
#include <utility>

#include "app/Busy.h"
#include "app/Form1Layout.h"
#include "app/SearchDialogLayout.h"
#include "data/RuntimeError.h"
#include "data/TextTrim.h"
#include "receipt/DateTimeText.h"
#include "receipt/NewestReceipt.h"
#include "receipt/ReceiptSearch.h"
#include "receipt/SearchTerms.h"

namespace kuitti {

namespace {

// A count with its thousands apart, as Finnish text writes it: "1 000".
std::string Count(std::int64_t count) {
  std::string digits = std::to_string(count);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), "\u00A0");
  }
  return digits;
}

std::optional<std::int32_t> DayNumber(const CalendarDay& day) {
  return DayNumberOf(day.year, day.month, day.day);
}

// Day numbers count from 30 December 1899, 25 569 days before the system clock's.
CalendarDay CalendarDayOf(std::int32_t dayNumber) {
  constexpr std::int32_t kSystemClockDay = 25569;
  const std::chrono::year_month_day day{
      std::chrono::sys_days{std::chrono::days{dayNumber - kSystemClockDay}}};
  return {static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month())),
          static_cast<int>(static_cast<unsigned>(day.day()))};
}

// "09.12.2026", as the list shows a day.
std::string DayText(const CalendarDay& day) {
  const auto twoDigits = [](int value) {
    return std::string(value < 10 ? "0" : "") + std::to_string(value);
  };
  return twoDigits(day.day) + "." + twoDigits(day.month) + "." + std::to_string(day.year);
}

}  // namespace

SearchSteps::SearchSteps(SearchWindow& window, std::string dataPath, FileSystem& files,
                         std::string decimalSeparator, ErrorReport errorReport, Picked picked)
    : window_(window),
      dataPath_(std::move(dataPath)),
      files_(files),
      decimalSeparator_(std::move(decimalSeparator)),
      errorReport_(std::move(errorReport)),
      picked_(std::move(picked)) {}

void SearchSteps::Open() {
  std::optional<std::int32_t> newest;
  try {
    const Busy busy(window_);
    newest = NewestReceiptDay(dataPath_, files_);
  } catch (const RuntimeError& error) {
    window_.ShowMessage(errorReport_(error, dataPath_));
    return;
  }
  if (!newest) {
    window_.SetSummary(SearchSummary(0, 0, std::nullopt));
    return;
  }
  const CalendarDay day = CalendarDayOf(*newest);
  window_.SetDay(DayField::kFrom, day);
  window_.SetDay(DayField::kTo, day);
  Search();
  if (!shownVouchers_.empty()) {
    window_.SelectRow(shownVouchers_.size() - 1);
  }
}

void SearchSteps::Search() {
  SearchCriteria criteria;
  std::optional<DaysSearched> days;
  if (window_.DaysTicked()) {
    days = DaysSearched{window_.Day(DayField::kFrom), window_.Day(DayField::kTo)};
    criteria.fromDay = DayNumber(days->from);
    criteria.toDay = DayNumber(days->to);
  }
  const std::string total = window_.Text(SearchField::kTotal);
  if (const std::string_view typed = TrimSpaces(total); !typed.empty()) {
    criteria.total = ParseAmount(typed);
    if (!criteria.total) {
      window_.ShowMessage("Tarkista yhteensä: esimerkiksi 20,19 tai -0,01.");
      window_.Focus(SearchField::kTotal);
      return;
    }
  }
  const std::string product = window_.Text(SearchField::kProduct);
  if (const std::string_view code = TrimSpaces(product); !code.empty()) {
    criteria.productCode = std::string(code);
  }
  if (std::string number = window_.Text(SearchField::kNumber); !number.empty()) {
    criteria.number = std::move(number);
  }

  SearchResult result;
  try {
    const Busy busy(window_);
    result = FindReceipts(dataPath_, files_, criteria, search_dialog::kMostShown);
  } catch (const RuntimeError& error) {
    window_.ShowMessage(errorReport_(error, dataPath_));
    return;
  }

  std::vector<SearchRow> rows;
  rows.reserve(result.hits.size());
  shownVouchers_.clear();
  for (const ReceiptHit& hit : result.hits) {
    const std::string voucher = VoucherText(hit);
    rows.push_back({{form1::FramedVoucher(voucher), DateText(hit.saleTime), TimeText(hit.saleTime),
                     hit.total.AmountText(decimalSeparator_)},
                    voucher});
    shownVouchers_.push_back(voucher);
  }
  window_.ShowRows(rows);
  window_.SetSummary(SearchSummary(rows.size(), result.matched, days));
}

void SearchSteps::Run(Command command, std::size_t currentRow) {
  switch (command) {
    case Command::kPick:
      Pick(currentRow);
      return;
    case Command::kFirstRow:
    case Command::kLastRow:
      if (!shownVouchers_.empty()) {
        window_.SelectRow(command == Command::kFirstRow ? 0 : shownVouchers_.size() - 1);
      }
      return;
    case Command::kFetch:
    case Command::kPrint:
    case Command::kQuit:
    case Command::kOpenSearch:
    case Command::kSaveAsPdf:
    case Command::kCopyText:
      // Form1's.
      return;
  }
}

void SearchSteps::Pick(std::size_t row) {
  if (row >= shownVouchers_.size()) {
    return;
  }
  const std::string voucher = shownVouchers_[row];
  window_.Close();
  picked_(voucher);
}

void SearchSteps::DayChanged(DayField changed) {
  const CalendarDay from = window_.Day(DayField::kFrom);
  const CalendarDay to = window_.Day(DayField::kTo);
  if (from <= to) {
    return;
  }
  if (changed == DayField::kFrom) {
    window_.SetDay(DayField::kTo, from);
  } else {
    window_.SetDay(DayField::kFrom, to);
  }
}

std::string SearchSummary(std::size_t shown, std::int64_t matched,
                          const std::optional<DaysSearched>& days) {
  if (matched == 0) {
    if (!days) {
      return "Kuitteja ei löytynyt.";
    }
    if (days->from == days->to) {
      return "Kuitteja ei löytynyt päivältä " + DayText(days->from) + ".";
    }
    return "Kuitteja ei löytynyt ajalta " + DayText(days->from) + "\u2013" + DayText(days->to) +
           ".";
  }
  if (static_cast<std::int64_t>(shown) < matched) {
    return "Löytyi " + Count(matched) + " kuittia; näytetään " +
           Count(static_cast<std::int64_t>(shown)) + " viimeisintä.";
  }
  return matched == 1 ? "Löytyi 1 kuitti." : "Löytyi " + Count(matched) + " kuittia.";
}

}  // namespace kuitti
