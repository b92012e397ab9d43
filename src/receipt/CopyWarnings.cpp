#include "receipt/CopyWarnings.h"

#include <algorithm>

namespace kuitti {
namespace {

// "a", "a ja b", "a, b ja c".
std::string Enumerated(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) {
      text += i + 1 == items.size() ? " ja " : ", ";
    }
    text += items[i];
  }
  return text;
}

}  // namespace

void CopyWarnings::TotalsRow(std::string day, std::string total) {
  sawTotals_ = true;
  std::pair<std::string, std::string> receipt(std::move(day), std::move(total));
  if (std::find(receipts_.begin(), receipts_.end(), receipt) == receipts_.end()) {
    receipts_.push_back(std::move(receipt));
  }
}

void CopyWarnings::UnshowableVatRate(std::int16_t rate, std::string rowNumber) {
  unshowableRates_[rate].push_back(std::move(rowNumber));
}

void CopyWarnings::MissingProductRecord(std::string code, std::int32_t recordNumber,
                                        std::string rowNumber, bool productsFileEmpty) {
  productsFileEmpty_ = productsFileEmpty;
  missingProducts_.push_back(code + " (tietue " + std::to_string(recordNumber) + ", rivi " +
                             rowNumber + ")");
}

std::vector<std::string> CopyWarnings::Texts() const {
  std::vector<std::string> texts;
  if (!sawTotals_) {
    texts.emplace_back(
        "Kuitin yhteenvetorivi puuttuu: kuitti voi olla vielä kesken. Hae se hetken kuluttua "
        "uudelleen.");
  }
  if (receipts_.size() > 1) {
    std::vector<std::string> receipts;
    for (const auto& [day, total] : receipts_) {
      receipts.push_back(day + " " + total);
    }
    texts.push_back("Tositenumerolla löytyi useampi eri kuitti (" + Enumerated(receipts) +
                    "); kopio näyttää ne yhdessä.");
  }
  for (const auto& [rate, rows] : unshowableRates_) {
    texts.push_back("ALV-prosentti " + std::to_string(rate) + " (" +
                    (rows.size() == 1 ? "rivi " : "rivit ") + Enumerated(rows) +
                    ") ei ole kelvollinen prosentti; kopion ALV-erittely ei pidä paikkaansa.");
  }
  if (!missingProducts_.empty()) {
    const std::string& file = productsPath_;
    const bool one = missingProducts_.size() == 1;
    texts.push_back(productsFileEmpty_
                        ? "Tuotetiedosto " + file +
                              " on tyhjä: kopiosta puuttuvat tuotteiden nimet."
                        : "Tuotetiedostossa " + file + " ei ole tuotekoodi" + (one ? "n " : "en ") +
                              Enumerated(missingProducts_) + (one ? " tuotetta" : " tuotteita") +
                              ": kopiosta puuttuu" + (one ? " sen nimi." : "vat niiden nimet."));
  }
  return texts;
}

}  // namespace kuitti
