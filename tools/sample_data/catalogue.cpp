#include "catalogue.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <stdexcept>

#include "random.h"
#include "text.h"

namespace sample_data {

namespace {

constexpr std::size_t kCodeWidth = 13;
constexpr std::size_t kNameWidth = 25;
constexpr std::size_t kIndexRecordSize = 18;
constexpr std::size_t kProductRecordSize = 356;

std::vector<std::string_view> split_variants(std::string_view list) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto bar = list.find('|');
    parts.push_back(list.substr(0, bar));
    if (bar == std::string_view::npos) {
      return parts;
    }
    list.remove_prefix(bar + 1);
  }
}

std::string join_name(const ProductFamily& family, std::string_view variant) {
  std::string name(family.base);
  for (std::string_view part : {variant, family.size}) {
    if (!part.empty()) {
      name.append(" ").append(part);
    }
  }
  return to_cp1252(name);
}

// Shelf prices mostly end in 9, sometimes in 5 or 0.
std::int32_t shelf_price(const ProductFamily& family, Rng& rng) {
  if (family.min_cents == family.max_cents) {
    return family.min_cents;
  }
  static constexpr int kEndings[] = {9, 9, 9, 5, 0};
  auto cents = static_cast<std::int32_t>(rng.between(family.min_cents, family.max_cents));
  cents = cents / 10 * 10 + kEndings[rng.below(5)];
  return std::clamp(cents, std::int32_t{45}, std::int32_t{8990});
}

// EAN-13 with a valid check digit. Weighed goods get an in-store "20" code,
// packaged goods mostly Finnish "64", some Swedish "73" or German "40".
std::string ean13(bool weighed, Rng& rng) {
  std::string code = weighed ? "20" : (rng.percent(70) ? "64" : (rng.percent(50) ? "73" : "40"));
  while (code.size() < kCodeWidth - 1) {
    code.push_back(static_cast<char>('0' + rng.below(10)));
  }
  int sum = 0;
  for (std::size_t i = 0; i < code.size(); ++i) {
    sum += (code[i] - '0') * (i % 2 == 0 ? 1 : 3);
  }
  code.push_back(static_cast<char>('0' + (10 - sum % 10) % 10));
  return code;
}

}  // namespace

Catalogue make_catalogue(std::uint64_t seed) {
  Rng rng(seed);
  Catalogue catalogue;
  std::vector<std::int32_t> deposit_cents;
  std::set<std::string> names;
  std::set<std::string> codes;

  for (const ProductFamily& family : product_families()) {
    for (std::string_view variant : split_variants(family.variants)) {
      Product product;
      product.name = join_name(family, variant);
      if (product.name.size() > kNameWidth || !names.insert(product.name).second) {
        throw std::logic_error("bad product name in word list: " + product.name);
      }
      product.weighed = family.size == "kg";
      do {
        product.code = ean13(product.weighed, rng);
      } while (!codes.insert(product.code).second);
      product.price_cents = shelf_price(family, rng);
      product.vat = family.vat;
      product.is_deposit = family.is_deposit;
      catalogue.products.push_back(std::move(product));
      deposit_cents.push_back(family.deposit_cents);
    }
  }

  auto& products = catalogue.products;
  for (std::size_t i = 0; i < products.size(); ++i) {
    if (deposit_cents[i] == 0) {
      continue;
    }
    const auto it = std::find_if(products.begin(), products.end(), [&](const Product& p) {
      return p.is_deposit && p.price_cents == deposit_cents[i];
    });
    if (it == products.end()) {
      throw std::logic_error("no deposit product for " + products[i].name);
    }
    products[i].deposit = static_cast<int>(it - products.begin());
  }

  // Store products in a shuffled order: record numbers in the index then differ
  // from index positions, as in real data that grew over the years.
  std::vector<std::size_t> order(products.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  for (std::size_t i = order.size(); i > 1; --i) {
    std::swap(order[i - 1], order[rng.below(static_cast<std::uint32_t>(i))]);
  }
  for (std::size_t k = 0; k < order.size(); ++k) {
    products[order[k]].record_number = static_cast<std::int32_t>(k + 1);
  }
  return catalogue;
}

FileSummary write_index_file(const std::filesystem::path& path, const Catalogue& catalogue) {
  std::vector<const Product*> sorted;
  for (const Product& product : catalogue.products) {
    sorted.push_back(&product);
  }
  // Codes are unique ASCII digits, so string order is the required byte order.
  std::sort(sorted.begin(), sorted.end(),
            [](const Product* a, const Product* b) { return a->code < b->code; });

  RecordFile file(path, kIndexRecordSize);
  for (const Product* product : sorted) {
    char* record = file.add();
    put_text(record, 0, kCodeWidth, product->code);
    put_i32(record, 13, product->record_number);
    put_spaces(record, 17, 1);
  }
  return file.close();
}

FileSummary write_product_file(const std::filesystem::path& path, const Catalogue& catalogue) {
  std::vector<const Product*> by_record(catalogue.products.size());
  for (const Product& product : catalogue.products) {
    by_record[static_cast<std::size_t>(product.record_number - 1)] = &product;
  }

  RecordFile file(path, kProductRecordSize);
  for (const Product* product : by_record) {
    char* record = file.add();
    put_text(record, 0, kCodeWidth, product->code);
    put_text(record, 13, kNameWidth, product->name);
    put_text(record, 38, 3, product->weighed ? "KG" : "KPL");
    put_spaces(record, 132, 200);  // description, unused by the shop
    // All other fields stay zero.
  }
  return file.close();
}

}  // namespace sample_data
