#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/Form1Steps.h"
#include "app/SearchWindow.h"
#include "data/FileAccess.h"

namespace kuitti {

// What "Etsi kuitti" does, written once for every toolkit: reads its fields, searches, shows the
// rows, and hands the receipt picked to Form1.
class SearchSteps {
 public:
  using Picked = std::function<void(const std::string& voucher)>;

  SearchSteps(SearchWindow& window, std::string dataPath, FileSystem& files,
              std::string decimalSeparator, ErrorReport errorReport, Picked picked);

  // The dialog opening: the receipts of the newest receipt's day listed, that day in the range,
  // the newest (last) receipt the current row, so that Enter fetches it. Without a receipt in
  // the file the range stays as it was and the summary says none was found.
  void Open();

  // "Etsi" and Enter: every receipt total that meets the fields filled in, the most recent
  // 1 000 of them, with the summary line. A total that is no amount is pointed out instead; an
  // error is reported as a fetch's. The dialog stays open either way.
  void Search();

  // A command of the dialog's keys, given with the list's current row: the step below that it
  // names, or the first or last row made the current one.
  void Run(Command command, std::size_t currentRow);

  // Enter or a double-click on a row: the dialog closes and Form1 fetches the receipt.
  void Pick(std::size_t row);

  // A start past the end takes the end along, and an end before the start the start.
  void DayChanged(DayField changed);

 private:
  SearchWindow& window_;
  std::string dataPath_;
  FileSystem& files_;
  std::string decimalSeparator_;
  ErrorReport errorReport_;
  Picked picked_;
  std::vector<std::string> shownVouchers_;
};

// The day range searched, when "Päivä" is ticked.
struct DaysSearched {
  CalendarDay from;
  CalendarDay to;
};

// The line below the list: "Löytyi 3 002 kuittia; näytetään 1 000 viimeisintä." and the like,
// the thousands apart with a no-break space. None found names the days searched.
std::string SearchSummary(std::size_t shown, std::int64_t matched,
                          const std::optional<DaysSearched>& days);

}  // namespace kuitti
