#include "voucher.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace sample_data {

namespace {

Row product_row(const Product& product) {
  Row row;
  std::memcpy(row.code.data(), product.code.data(), product.code.size());
  row.code_length = static_cast<std::uint8_t>(product.code.size());
  row.price = product.price_cents * kCurrencyPerCent;
  row.vat = product.vat;
  return row;
}

// The tool renders item kinds whatever their case.
bool is_rendered(char kind) {
  switch (kind) {
    case 'M':
    case 'm':
    case 'I':
    case 'i':
    case 'A':
    case 'a':
      return true;
    default:
      return false;
  }
}

// Finnish cash rounding: to the nearest 0.05, halves away from zero.
std::int64_t round_to_five_cents(std::int64_t amount) {
  constexpr std::int64_t kStep = 5 * kCurrencyPerCent;
  const std::int64_t rest = amount % kStep;
  if (rest >= kStep / 2) {
    return amount - rest + kStep;
  }
  if (rest <= -kStep / 2) {
    return amount - rest - kStep;
  }
  return amount - rest;
}

}  // namespace

VoucherBuilder::VoucherBuilder(const Catalogue& catalogue, Rng& rng)
    : catalogue_(catalogue), rng_(rng) {
  const auto& products = catalogue.products;
  for (int i = 0; i < static_cast<int>(products.size()); ++i) {
    const Product& product = products[static_cast<std::size_t>(i)];
    (product.is_deposit ? deposits_ : by_popularity_).push_back(i);
    if (product.weighed) {
      weighed_.push_back(i);
    }
  }
  for (std::size_t i = by_popularity_.size(); i > 1; --i) {
    std::swap(by_popularity_[i - 1], by_popularity_[rng_.below(static_cast<std::uint32_t>(i))]);
  }
}

Shape VoucherBuilder::random_shape() {
  Shape shape;
  const auto r = rng_.below(100);
  const auto [lo, hi] = r < 30   ? std::pair{1, 3}
                        : r < 70 ? std::pair{4, 14}
                        : r < 92 ? std::pair{15, 28}
                                 : std::pair{29, 45};
  shape.items = static_cast<std::uint32_t>(rng_.between(lo, hi));
  shape.skipped_row = rng_.percent(3);
  return shape;
}

// The minimum of two uniform picks favours the front of the popularity list.
const Product& VoucherBuilder::pick_product() {
  const auto n = static_cast<std::uint32_t>(by_popularity_.size());
  const auto index = std::min(rng_.below(n), rng_.below(n));
  return catalogue_.products[static_cast<std::size_t>(by_popularity_[index])];
}

void VoucherBuilder::build(Voucher& voucher, std::uint32_t number, const Shape& shape,
                           std::int64_t start) {
  voucher = Voucher{number, static_cast<char>('1' + rng_.below(3)), 1 + rng_.below(9),
                    std::move(voucher.rows)};
  voucher.rows.clear();

  if (!shape.clean && shape.items >= 2 && rng_.percent(2)) {
    add_bottle_return(voucher);
  }
  while (voucher.rows.size() < shape.items) {
    if (!shape.clean && rng_.per_mille(8)) {
      add_ad_hoc(voucher);
      continue;
    }
    const bool weighed = shape.weighed_first && voucher.rows.empty();
    const Product& product =
        weighed ? catalogue_.products[static_cast<std::size_t>(
                      weighed_[rng_.below(static_cast<std::uint32_t>(weighed_.size()))])]
                : pick_product();
    if (product.deposit >= 0 && voucher.rows.size() + 2 > shape.items) {
      continue;  // no room left for its deposit row
    }
    add_item(voucher, product, shape.clean);
  }
  if (shape.skipped_row) {
    add_skipped_row(voucher);
  }

  // Scanning takes a few seconds per row.
  std::int64_t time = start;
  for (Row& row : voucher.rows) {
    time += rng_.between(2, 12);
    row.time = time;
  }
  add_totals(voucher, shape, time);
}

void VoucherBuilder::add_item(Voucher& voucher, const Product& product, bool clean) {
  Row row = product_row(product);
  row.kind = rng_.percent(12) ? 'I' : 'M';
  if (!clean && rng_.per_mille(2)) {
    row.kind = row.kind == 'I' ? 'i' : 'm';  // older till software wrote lower case
    voucher.has_lower_case = true;
  }
  std::int64_t units = 1;
  if (product.weighed) {
    // Grams chosen so that grams x price is a whole number of currency units.
    std::int64_t grams = rng_.percent(10) ? 500 : rng_.between(150, 2500);
    while (grams * product.price_cents % 10 != 0) {
      ++grams;
    }
    row.quantity = grams * (kCurrencyUnit / 1000);
    voucher.has_weighed = true;
  } else {
    const auto r = rng_.below(100);
    units = r < 85 ? 1 : r < 97 ? rng_.between(2, 3) : rng_.between(4, 5);
    if (!clean && rng_.per_mille(10)) {
      units = -1;
      voucher.has_product_return = true;
    }
    row.quantity = units * kCurrencyUnit;
  }
  voucher.rows.push_back(row);

  if (product.deposit >= 0) {
    Row deposit = product_row(catalogue_.products[static_cast<std::size_t>(product.deposit)]);
    deposit.quantity = units * kCurrencyUnit;
    voucher.rows.push_back(deposit);
  }
}

// Items sold without a product record, e.g. a price typed in by hand.
void VoucherBuilder::add_ad_hoc(Voucher& voucher) {
  Row row;
  row.kind = 'A';
  row.code[0] = 'A';
  auto number = rng_.below(100000);
  for (std::size_t i = 5; i >= 1; --i) {
    row.code[i] = static_cast<char>('0' + number % 10);
    number /= 10;
  }
  row.code_length = 6;
  row.price = (rng_.between(100, 4990) / 10 * 10 + 9) * kCurrencyPerCent;
  row.quantity = kCurrencyUnit;
  row.vat = rng_.percent(70) ? 24 : 14;
  voucher.rows.push_back(row);
  voucher.has_ad_hoc = true;
}

// Empties brought back: a deposit product with a negative quantity.
void VoucherBuilder::add_bottle_return(Voucher& voucher) {
  const auto index = deposits_[rng_.below(static_cast<std::uint32_t>(deposits_.size()))];
  Row row = product_row(catalogue_.products[static_cast<std::size_t>(index)]);
  row.quantity = -rng_.between(1, 24) * kCurrencyUnit;
  voucher.rows.push_back(row);
  voucher.has_bottle_return = true;
}

// A row of a kind the tool leaves out (voided line, payment note). It is not
// part of the total.
void VoucherBuilder::add_skipped_row(Voucher& voucher) {
  Row row = product_row(pick_product());
  row.kind = rng_.percent(50) ? 'P' : 'X';
  row.quantity = kCurrencyUnit;
  const auto at = rng_.below(static_cast<std::uint32_t>(voucher.rows.size() + 1));
  voucher.rows.insert(voucher.rows.begin() + at, row);
  voucher.has_skipped = true;
}

// Totals row: Price = sum of quantity x price, Quantity = cash rounding, so
// that Price - Quantity is the amount paid in cash.
void VoucherBuilder::add_totals(Voucher& voucher, const Shape& shape, std::int64_t last_time) {
  std::int64_t total = 0;
  for (const Row& row : voucher.rows) {
    if (!is_rendered(row.kind)) {
      continue;
    }
    if (row.price * row.quantity % kCurrencyUnit != 0) {
      throw std::logic_error("line amount is not a whole currency unit");
    }
    total += row.price * row.quantity / kCurrencyUnit;
  }
  Row totals;
  totals.price = total;
  totals.quantity = total - round_to_five_cents(total);
  totals.time = last_time + rng_.between(10, 40);
  voucher.rows.push_back(totals);
  if (shape.two_totals) {
    totals.time += rng_.between(30, 180);  // receipt printed again
    voucher.rows.push_back(totals);
  }
}

}  // namespace sample_data
