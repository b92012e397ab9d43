#include "Voucher.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "receipt/RowSelector.h"

namespace kuitti::tools {

namespace {

Row ProductRow(const Product& product) {
  Row row;
  std::memcpy(row.code.data(), product.code.data(), product.code.size());
  row.codeLength = static_cast<std::uint8_t>(product.code.size());
  row.price = product.priceCents * kCurrencyPerCent;
  row.vat = product.vat;
  return row;
}

// Finnish cash rounding: to the nearest 0.05, halves away from zero.
std::int64_t RoundToFiveCents(std::int64_t amount) {
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
    (product.isDeposit ? deposits_ : byPopularity_).push_back(i);
    if (product.weighed) {
      weighed_.push_back(i);
    }
  }
  for (std::size_t i = byPopularity_.size(); i > 1; --i) {
    std::swap(byPopularity_[i - 1], byPopularity_[rng_.Below(static_cast<std::uint32_t>(i))]);
  }
}

Shape VoucherBuilder::RandomShape() {
  Shape shape;
  const auto r = rng_.Below(100);
  const auto [lo, hi] = r < 30   ? std::pair{1, 3}
                        : r < 70 ? std::pair{4, 14}
                        : r < 92 ? std::pair{15, 28}
                                 : std::pair{29, 45};
  shape.items = static_cast<std::uint32_t>(rng_.Between(lo, hi));
  shape.skippedRow = rng_.Percent(3);
  return shape;
}

// The minimum of two uniform picks favours the front of the popularity list.
const Product& VoucherBuilder::PickProduct() {
  const auto n = static_cast<std::uint32_t>(byPopularity_.size());
  const auto index = std::min(rng_.Below(n), rng_.Below(n));
  return catalogue_.products[static_cast<std::size_t>(byPopularity_[index])];
}

void VoucherBuilder::Build(Voucher& voucher, std::uint32_t number, const Shape& shape,
                           std::int64_t start) {
  voucher = Voucher{number, static_cast<char>('1' + rng_.Below(3)), 1 + rng_.Below(9),
                    std::move(voucher.rows)};
  voucher.rows.clear();

  if (!shape.clean && shape.items >= 2 && rng_.Percent(2)) {
    AddBottleReturn(voucher);
  }
  while (voucher.rows.size() < shape.items) {
    if (!shape.clean && rng_.PerMille(8)) {
      AddAdHoc(voucher);
      continue;
    }
    const bool weighed = shape.weighedFirst && voucher.rows.empty();
    const Product& product =
        weighed ? catalogue_.products[static_cast<std::size_t>(
                      weighed_[rng_.Below(static_cast<std::uint32_t>(weighed_.size()))])]
                : PickProduct();
    if (product.deposit >= 0 && voucher.rows.size() + 2 > shape.items) {
      continue;  // no room left for its deposit row
    }
    AddItem(voucher, product, shape.clean);
  }
  if (shape.skippedRow) {
    AddSkippedRow(voucher);
  }

  // Scanning takes a few seconds per row.
  std::int64_t time = start;
  for (Row& row : voucher.rows) {
    time += rng_.Between(2, 12);
    row.time = time;
  }
  AddTotals(voucher, shape, time);
}

void VoucherBuilder::AddItem(Voucher& voucher, const Product& product, bool clean) {
  Row row = ProductRow(product);
  row.kind = rng_.Percent(12) ? 'I' : 'M';
  if (!clean && rng_.PerMille(2)) {
    row.kind = row.kind == 'I' ? 'i' : 'm';  // older till software wrote lower case
    voucher.hasLowerCase = true;
  }
  std::int64_t units = 1;
  if (product.weighed) {
    // Grams chosen so that grams x price is a whole number of currency units.
    std::int64_t grams = rng_.Percent(10) ? 500 : rng_.Between(150, 2500);
    while (grams * product.priceCents % 10 != 0) {
      ++grams;
    }
    row.quantity = grams * (kCurrencyUnit / 1000);
    voucher.hasWeighed = true;
  } else {
    const auto r = rng_.Below(100);
    units = r < 85 ? 1 : r < 97 ? rng_.Between(2, 3) : rng_.Between(4, 5);
    if (!clean && rng_.PerMille(10)) {
      units = -1;
      voucher.hasProductReturn = true;
    }
    row.quantity = units * kCurrencyUnit;
  }
  voucher.rows.push_back(row);

  if (product.deposit >= 0) {
    Row deposit = ProductRow(catalogue_.products[static_cast<std::size_t>(product.deposit)]);
    deposit.quantity = units * kCurrencyUnit;
    voucher.rows.push_back(deposit);
  }
}

// Items sold without a product record, e.g. a price typed in by hand.
void VoucherBuilder::AddAdHoc(Voucher& voucher) {
  Row row;
  row.kind = 'A';
  row.code[0] = 'A';
  auto number = rng_.Below(100000);
  for (std::size_t i = 5; i >= 1; --i) {
    row.code[i] = static_cast<char>('0' + number % 10);
    number /= 10;
  }
  row.codeLength = 6;
  row.price = (rng_.Between(100, 4990) / 10 * 10 + 9) * kCurrencyPerCent;
  row.quantity = kCurrencyUnit;
  row.vat = rng_.Percent(70) ? 24 : 14;
  voucher.rows.push_back(row);
  voucher.hasAdHoc = true;
}

// Empties brought back: a deposit product with a negative quantity.
void VoucherBuilder::AddBottleReturn(Voucher& voucher) {
  const auto index = deposits_[rng_.Below(static_cast<std::uint32_t>(deposits_.size()))];
  Row row = ProductRow(catalogue_.products[static_cast<std::size_t>(index)]);
  row.quantity = -rng_.Between(1, 24) * kCurrencyUnit;
  voucher.rows.push_back(row);
  voucher.hasBottleReturn = true;
}

// A row of a kind the tool leaves out (voided line, payment note). It is not
// part of the total.
void VoucherBuilder::AddSkippedRow(Voucher& voucher) {
  Row row = ProductRow(PickProduct());
  row.kind = rng_.Percent(50) ? 'P' : 'X';
  row.quantity = kCurrencyUnit;
  const auto at = rng_.Below(static_cast<std::uint32_t>(voucher.rows.size() + 1));
  voucher.rows.insert(voucher.rows.begin() + at, row);
  voucher.hasSkipped = true;
}

// Totals row: Price = sum of quantity x price, Quantity = cash rounding, so
// that Price - Quantity is the amount paid in cash.
void VoucherBuilder::AddTotals(Voucher& voucher, const Shape& shape, std::int64_t lastTime) {
  std::int64_t total = 0;
  for (const Row& row : voucher.rows) {
    if (!IsRenderedKind(static_cast<unsigned char>(row.kind))) {
      continue;
    }
    if (row.price * row.quantity % kCurrencyUnit != 0) {
      throw std::logic_error("line amount is not a whole currency unit");
    }
    total += row.price * row.quantity / kCurrencyUnit;
  }
  Row totals;
  totals.price = total;
  totals.quantity = total - RoundToFiveCents(total);
  totals.time = lastTime + rng_.Between(10, 40);
  voucher.rows.push_back(totals);
  if (shape.twoTotals) {
    totals.time += rng_.Between(30, 180);  // receipt printed again
    voucher.rows.push_back(totals);
  }
}

}  // namespace kuitti::tools
