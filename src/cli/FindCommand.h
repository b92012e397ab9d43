#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "receipt/ReceiptSearch.h"

namespace kuitti {

// The options that may follow --find, each with its value.
bool IsFindOption(std::string_view option);

// The criteria of the options after --find, or the first thing wrong with them: a malformed
// value, an option given twice, or --date with --from or --to.
struct FindOptions {
  SearchCriteria criteria;
  std::string mistake;  // in Finnish, naming the option or value; empty when all is well
};
FindOptions ParseFindOptions(
    const std::vector<std::pair<std::string_view, std::string_view>>& options);

// Lists the receipts found on standard output, one line each; returns the exit status: 0 when
// some were listed, 1 when none ("Kuitteja ei löytynyt." on standard error), 2 on an error,
// reported as for a fetch, with advice on the setting when the data path came from it.
int ListReceipts(const std::string& dataPath, bool pathFromSetting, const SearchCriteria& criteria);

}  // namespace kuitti
