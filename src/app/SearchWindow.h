#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/SearchDialogLayout.h"

namespace kuitti {

enum class SearchField { kTotal, kProduct, kNumber };
enum class DayField { kFrom, kTo };

struct CalendarDay {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const CalendarDay&) const = default;
};

// A row of the result list: its cells in the order of the columns, and the voucher number
// (six characters) that picking it fetches.
struct SearchRow {
  std::array<std::string, search_dialog::kColumns.size()> cells;
  std::string voucher;
};

// The "Etsi kuitti" dialog as the search steps see it, whatever toolkit draws it. UTF-8.
class SearchWindow {
 public:
  virtual ~SearchWindow() = default;
  virtual bool DaysTicked() const = 0;
  virtual CalendarDay Day(DayField field) const = 0;
  virtual void SetDay(DayField field, CalendarDay day) = 0;
  virtual std::string Text(SearchField field) const = 0;
  virtual void Focus(SearchField field) = 0;
  // Replaces the list; with rows in it, the first is the current one and the list has the focus.
  virtual void ShowRows(const std::vector<SearchRow>& rows) = 0;
  // Makes a row of the list the current one, scrolled into view, with the focus in the list.
  virtual void SelectRow(std::size_t row) = 0;
  virtual void SetSummary(std::string_view text) = 0;
  // As Form1's: modal, one OK button, titled with Form1's caption.
  virtual void ShowMessage(std::string_view text) = 0;
  virtual void SetBusy(bool busy) = 0;
  // Closes the dialog as accepted.
  virtual void Close() = 0;
};

}  // namespace kuitti
