#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "random.h"

namespace sample_data {

// Currency fields hold the amount x 10,000.
constexpr std::int64_t kCurrencyPerCent = 100;
constexpr std::int64_t kCurrencyUnit = 10000;

struct Row {
  char kind = 'M';
  std::array<char, 13> code{};
  std::uint8_t code_length = 0;  // 0 on totals rows: the code field stays blank
  std::int64_t price = 0;        // currency; the receipt total on totals rows
  std::int64_t quantity = 0;     // currency; the cash rounding on totals rows
  std::int16_t vat = 0;
  std::int64_t time = 0;  // seconds since 1899-12-30 00:00

  std::string_view code_view() const { return {code.data(), code_length}; }
};

struct Voucher {
  std::uint32_t number = 0;  // six digits
  char till = '1';
  std::uint32_t cashier = 1;
  std::vector<Row> rows;  // items, then the totals row(s)

  // What the voucher contains, to point testers at interesting ones.
  bool has_weighed = false;
  bool has_product_return = false;
  bool has_bottle_return = false;
  bool has_ad_hoc = false;
  bool has_lower_case = false;
  bool has_skipped = false;
};

struct Shape {
  std::uint32_t items = 0;     // rendered item rows (deposit rows included)
  bool clean = false;          // only upper-case M/I rows with indexed codes, no returns
  bool weighed_first = false;  // start with a weighed product
  bool skipped_row = false;    // one extra row of a kind the tool does not render
  bool two_totals = false;     // the totals row appears twice (a reprint)

  std::uint32_t rows() const { return items + 1 + (skipped_row ? 1 : 0) + (two_totals ? 1 : 0); }
};

class VoucherBuilder {
 public:
  VoucherBuilder(const Catalogue& catalogue, Rng& rng);

  // A shop-like mix: many small baskets, some weekly shopping trips.
  Shape random_shape();
  // Average rows per random_shape(), rounded down a little so that estimates
  // based on it overshoot the voucher count rather than undershoot.
  static constexpr std::uint64_t kMeanRowsTimes100 = 1230;

  void build(Voucher& voucher, std::uint32_t number, const Shape& shape, std::int64_t start);

 private:
  const Product& pick_product();
  void add_item(Voucher& voucher, const Product& product, bool clean);
  void add_ad_hoc(Voucher& voucher);
  void add_bottle_return(Voucher& voucher);
  void add_skipped_row(Voucher& voucher);
  void add_totals(Voucher& voucher, const Shape& shape, std::int64_t last_time);

  const Catalogue& catalogue_;
  Rng& rng_;
  std::vector<int> by_popularity_;  // sellable products, most popular first
  std::vector<int> weighed_;
  std::vector<int> deposits_;
};

}  // namespace sample_data
