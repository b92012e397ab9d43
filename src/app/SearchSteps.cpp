#include "SearchSteps.h"

#include <optional>
#include <utility>

#include "Busy.h"
#include "DateTimeText.h"
#include "Form1Layout.h"
#include "ReceiptSearch.h"
#include "RuntimeError.h"
#include "SearchDialogLayout.h"
#include "SearchTerms.h"
#include "TextTrim.h"

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

}  // namespace

SearchSteps::SearchSteps(SearchWindow& window, std::string dataPath, FileSystem& files,
                         std::string decimalSeparator, ErrorReport errorReport, Picked picked)
    : window_(window),
      dataPath_(std::move(dataPath)),
      files_(files),
      decimalSeparator_(std::move(decimalSeparator)),
      errorReport_(std::move(errorReport)),
      picked_(std::move(picked)) {}

void SearchSteps::Search() {
  SearchCriteria criteria;
  if (window_.DaysTicked()) {
    criteria.fromDay = DayNumber(window_.Day(DayField::kFrom));
    criteria.toDay = DayNumber(window_.Day(DayField::kTo));
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
  window_.SetSummary(SearchSummary(rows.size(), result.matched));
}

void SearchSteps::Run(Command command, std::size_t currentRow) {
  switch (command) {
    case Command::kPick:
      Pick(currentRow);
      return;
    case Command::kFetch:
    case Command::kPrint:
    case Command::kQuit:
    case Command::kOpenSearch:
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

std::string SearchSummary(std::size_t shown, std::int64_t matched) {
  if (matched == 0) {
    return "Kuitteja ei löytynyt.";
  }
  if (static_cast<std::int64_t>(shown) < matched) {
    return "Löytyi " + Count(matched) + " kuittia; näytetään " +
           Count(static_cast<std::int64_t>(shown)) + " viimeisintä.";
  }
  return matched == 1 ? "Löytyi 1 kuitti." : "Löytyi " + Count(matched) + " kuittia.";
}

}  // namespace kuitti
