#include "cli/FindCommand.h"

#include <set>
#include <utility>

#include "cli/ListingLine.h"
#include "data/RuntimeError.h"
#include "platform/Console.h"
#include "platform/FetchErrorReport.h"
#include "platform/PlatformSettings.h"
#include "receipt/SearchTerms.h"

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

FindOptions ParseFindOptions(
    const std::vector<std::pair<std::string_view, std::string_view>>& options) {
  FindOptions read;
  SearchCriteria& criteria = read.criteria;
  const auto refuse = [&read](std::string mistake) {
    read.mistake = std::move(mistake);
    return read;
  };
  std::set<std::string_view> seen;
  for (const auto& [option, value] : options) {
    const std::string named(value);
    if (!seen.insert(option).second) {
      return refuse("valitsin " + std::string(option) + " on annettu kahdesti");
    }
    if (option == "--date" || option == "--from" || option == "--to") {
      if (!ReadDayForm(value)) {
        return refuse("päivä " + named + " ei ole muotoa PP.KK.VVVV tai VVVV-KK-PP");
      }
      const auto day = ParseDay(value);
      if (!day) {
        return refuse("päivä " + named + " ei ole olemassa");
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
        return refuse("summa " + named +
                      " ei kelpaa: anna esimerkiksi 20,19, 20.19, -0,01 tai 7, enintään neljä "
                      "desimaalia");
      }
    } else if (option == "--product") {
      if (value.find_first_not_of(' ') == std::string_view::npos) {
        return refuse("valitsimen --product tuotekoodi on tyhjä");
      }
      criteria.productCode = named;
    } else if (option == "--number") {
      if (!IsDigits(value)) {
        return refuse("tositenumerossa " + named + " saa olla vain numeroita");
      }
      criteria.number = named;
    }
  }
  if (seen.contains("--date") && (seen.contains("--from") || seen.contains("--to"))) {
    return refuse("valitsinta --date ei voi antaa yhdessä valitsimien --from ja --to kanssa");
  }
  return read;
}

int ListReceipts(const std::string& dataPath, bool pathFromSetting,
                 const SearchCriteria& criteria) {
  try {
    const SearchResult result = FindReceipts(dataPath, SystemFileSystem(), criteria);
    if (result.hits.empty()) {
      WriteError("Kuitteja ei löytynyt.\n");
      return kNoneFound;
    }
    WriteListing(result.hits, RegionalNumberFormat().decimalSeparator,
                 [](std::string_view lines) { WriteOutput(lines); });
    return FlushOutput() ? kListed : kFailed;
  } catch (const RuntimeError& error) {
    WriteError(FetchErrorReport(error, dataPath, pathFromSetting) + "\n");
    return kFailed;
  }
}

}  // namespace kuitti
