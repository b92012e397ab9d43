#include "FindCommand.h"

#include <set>

#include "Console.h"
#include "FetchErrorReport.h"
#include "PlatformSettings.h"
#include "RuntimeError.h"
#include "SearchTerms.h"

namespace kuitti {
namespace {

constexpr int kListed = 0;
constexpr int kNoneFound = 1;
constexpr int kFailed = 2;

}  // namespace

bool IsFindOption(std::string_view option) {
  return option == "--date" || option == "--from" || option == "--to" || option == "--amount" ||
         option == "--product" || option == "--number";
}

std::optional<SearchCriteria> ParseFindOptions(
    const std::vector<std::pair<std::string_view, std::string_view>>& options) {
  SearchCriteria criteria;
  std::set<std::string_view> seen;
  for (const auto& [option, value] : options) {
    if (!seen.insert(option).second) {
      return std::nullopt;
    }
    if (option == "--date" || option == "--from" || option == "--to") {
      const auto day = ParseDay(value);
      if (!day) {
        return std::nullopt;
      }
      if (option != "--to") {
        criteria.fromDay = day;
      }
      if (option != "--from") {
        criteria.toDay = day;
      }
    } else if (option == "--amount") {
      criteria.total = ParseAmount(value);
      if (!criteria.total) {
        return std::nullopt;
      }
    } else if (option == "--product") {
      if (value.find_first_not_of(' ') == std::string_view::npos) {
        return std::nullopt;
      }
      criteria.productCode = std::string(value);
    } else if (option == "--number") {
      if (!IsDigits(value)) {
        return std::nullopt;
      }
      criteria.number = std::string(value);
    }
  }
  if (seen.contains("--date") && (seen.contains("--from") || seen.contains("--to"))) {
    return std::nullopt;
  }
  return criteria;
}

int ListReceipts(const std::string& dataPath, bool pathFromSetting,
                 const SearchCriteria& criteria) {
  try {
    const SearchResult result = FindReceipts(dataPath, SystemFileSystem(), criteria);
    if (result.hits.empty()) {
      WriteError("Kuitteja ei löytynyt.\n");
      return kNoneFound;
    }
    const std::string separator = RegionalNumberFormat().decimalSeparator;
    std::string lines;
    for (const ReceiptHit& hit : result.hits) {
      lines += ListingLine(hit, separator);
      lines += '\n';
      if (lines.size() >= 64 * 1024) {
        WriteOutput(lines);
        lines.clear();
      }
    }
    WriteOutput(lines);
    return FlushOutput() ? kListed : kFailed;
  } catch (const RuntimeError& error) {
    WriteError(FetchErrorReport(error, dataPath, pathFromSetting) + "\n");
    return kFailed;
  }
}

}  // namespace kuitti
