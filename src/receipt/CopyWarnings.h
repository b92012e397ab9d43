#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kuitti {

// What a build noticed that makes its copy misleading, though every line of it is as the
// files give it: told to the user beside the copy, never written into it.
class CopyWarnings {
 public:
  explicit CopyWarnings(std::string productsPath) : productsPath_(std::move(productsPath)) {}

  // A totals row, by the day and the total the copy shows for it.
  void TotalsRow(std::string day, std::string total);
  // An item row whose VAT rate the copy cannot show (see ReadVatRate).
  void UnshowableVatRate(std::int16_t rate, std::string rowNumber);
  // An item row whose product record lies past the end of the products file, which may hold
  // no record at all.
  void MissingProductRecord(std::string code, std::int32_t recordNumber, std::string rowNumber,
                            bool productsFileEmpty);

  // The warnings, in Finnish, one sentence each.
  std::vector<std::string> Texts() const;

 private:
  std::string productsPath_;
  std::vector<std::pair<std::string, std::string>> receipts_;  // distinct, in file order
  bool sawTotals_ = false;
  std::map<std::int16_t, std::vector<std::string>> unshowableRates_;
  std::vector<std::string> missingProducts_;  // "code (tietue N, rivi R)"
  bool productsFileEmpty_ = false;
};

}  // namespace kuitti
