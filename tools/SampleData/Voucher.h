#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "Catalogue.h"
#include "Random.h"
#include "data/Records.h"

namespace kuitti::tools {

constexpr std::int64_t kCurrencyUnit = Currency::kScale;
constexpr std::int64_t kCurrencyPerCent = kCurrencyUnit / 100;

struct Row {
  char kind = 'M';
  std::array<char, ReceiptRowRecord::kProductCode.width> code{};
  std::uint8_t codeLength = 0;  // 0 on totals rows: the code field stays blank
  std::int64_t price = 0;       // currency; the receipt total on totals rows
  std::int64_t quantity = 0;    // currency; the cash rounding on totals rows
  std::int16_t vat = 0;
  std::int64_t time = 0;  // seconds since 1899-12-30 00:00

  std::string_view CodeView() const { return {code.data(), codeLength}; }
};

struct Voucher {
  std::uint32_t number = 0;  // six digits
  char till = '1';
  std::uint32_t cashier = 1;
  std::vector<Row> rows;  // items, then the totals row(s)

  // What the voucher contains, to point testers at interesting ones.
  bool hasWeighed = false;
  bool hasProductReturn = false;
  bool hasBottleReturn = false;
  bool hasAdHoc = false;
  bool hasLowerCase = false;
  bool hasSkipped = false;
};

struct Shape {
  std::uint32_t items = 0;    // rendered item rows (deposit rows included)
  bool clean = false;         // only upper-case M/I rows with indexed codes, no returns
  bool weighedFirst = false;  // start with a weighed product
  bool skippedRow = false;    // one extra row of a kind the tool does not render
  bool twoTotals = false;     // the totals row appears twice (a reprint)

  std::uint32_t Rows() const { return items + 1 + (skippedRow ? 1 : 0) + (twoTotals ? 1 : 0); }
};

class VoucherBuilder {
 public:
  VoucherBuilder(const Catalogue& catalogue, Rng& rng);

  // A shop-like mix: many small baskets, some weekly shopping trips.
  Shape RandomShape();
  // Average rows per RandomShape(), rounded down a little so that estimates
  // based on it overshoot the voucher count rather than undershoot.
  static constexpr std::uint64_t kMeanRowsTimes100 = 1230;

  void Build(Voucher& voucher, std::uint32_t number, const Shape& shape, std::int64_t start);

 private:
  const Product& PickProduct();
  void AddItem(Voucher& voucher, const Product& product, bool clean);
  void AddAdHoc(Voucher& voucher);
  void AddBottleReturn(Voucher& voucher);
  void AddSkippedRow(Voucher& voucher);
  void AddTotals(Voucher& voucher, const Shape& shape, std::int64_t lastTime);

  const Catalogue& catalogue_;
  Rng& rng_;
  std::vector<int> byPopularity_;  // sellable products, most popular first
  std::vector<int> weighed_;
  std::vector<int> deposits_;
};

}  // namespace kuitti::tools
