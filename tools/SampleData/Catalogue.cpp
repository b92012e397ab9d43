#include "Catalogue.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <stdexcept>

#include "Random.h"
#include "Windows1252.h"

namespace kuitti::tools {

namespace {

constexpr std::size_t kCodeWidth = ProductIndexRecord::kProductCode.width;
constexpr std::size_t kNameWidth = ProductRecord::kProductName.width;

// Fields of a product record that the tool fills and nothing reads.
constexpr Field kCode{0, 13};
constexpr Field kUnit{38, 3};
constexpr Field kDescription{132, 200};

std::vector<std::string_view> SplitVariants(std::string_view list) {
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

std::string JoinName(const ProductFamily& family, std::string_view variant) {
  std::string name(family.base);
  for (std::string_view part : {variant, family.size}) {
    if (!part.empty()) {
      name.append(" ").append(part);
    }
  }
  return ToWindows1252(name);
}

// Shelf prices mostly end in 9, sometimes in 5 or 0.
std::int32_t ShelfPrice(const ProductFamily& family, Rng& rng) {
  if (family.minCents == family.maxCents) {
    return family.minCents;
  }
  static constexpr int kEndings[] = {9, 9, 9, 5, 0};
  auto cents = static_cast<std::int32_t>(rng.Between(family.minCents, family.maxCents));
  cents = cents / 10 * 10 + kEndings[rng.Below(5)];
  return std::clamp(cents, std::int32_t{45}, std::int32_t{8990});
}

// EAN-13 with a valid check digit. Weighed goods get an in-store "20" code,
// packaged goods mostly Finnish "64", some Swedish "73" or German "40".
std::string Ean13(bool weighed, Rng& rng) {
  std::string code = weighed ? "20" : (rng.Percent(70) ? "64" : (rng.Percent(50) ? "73" : "40"));
  while (code.size() < kCodeWidth - 1) {
    code.push_back(static_cast<char>('0' + rng.Below(10)));
  }
  int sum = 0;
  for (std::size_t i = 0; i < code.size(); ++i) {
    sum += (code[i] - '0') * (i % 2 == 0 ? 1 : 3);
  }
  code.push_back(static_cast<char>('0' + (10 - sum % 10) % 10));
  return code;
}

}  // namespace

Catalogue MakeCatalogue(std::uint64_t seed) {
  Rng rng(seed);
  Catalogue catalogue;
  std::vector<std::int32_t> depositCents;
  std::set<std::string> names;
  std::set<std::string> codes;

  for (const ProductFamily& family : ProductFamilies()) {
    for (std::string_view variant : SplitVariants(family.variants)) {
      Product product;
      product.name = JoinName(family, variant);
      if (product.name.size() > kNameWidth || !names.insert(product.name).second) {
        throw std::logic_error("bad product name in word list: " + product.name);
      }
      product.weighed = family.size == "kg";
      do {
        product.code = Ean13(product.weighed, rng);
      } while (!codes.insert(product.code).second);
      product.priceCents = ShelfPrice(family, rng);
      product.vat = family.vat;
      product.isDeposit = family.isDeposit;
      catalogue.products.push_back(std::move(product));
      depositCents.push_back(family.depositCents);
    }
  }

  auto& products = catalogue.products;
  for (std::size_t i = 0; i < products.size(); ++i) {
    if (depositCents[i] == 0) {
      continue;
    }
    const auto it = std::find_if(products.begin(), products.end(), [&](const Product& p) {
      return p.isDeposit && p.priceCents == depositCents[i];
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
    std::swap(order[i - 1], order[rng.Below(static_cast<std::uint32_t>(i))]);
  }
  for (std::size_t k = 0; k < order.size(); ++k) {
    products[order[k]].recordNumber = static_cast<std::int32_t>(k + 1);
  }
  return catalogue;
}

FileSummary WriteIndexFile(const std::filesystem::path& path, const Catalogue& catalogue) {
  std::vector<const Product*> sorted;
  for (const Product& product : catalogue.products) {
    sorted.push_back(&product);
  }
  // Codes are unique ASCII digits, so string order is the required byte order.
  std::sort(sorted.begin(), sorted.end(),
            [](const Product* a, const Product* b) { return a->code < b->code; });

  using R = ProductIndexRecord;
  constexpr int kNumberEnd = R::kProductRecordNumber.offset + R::kProductRecordNumber.width;
  RecordWriter file(path, R::kLength);
  for (const Product* product : sorted) {
    char* record = file.Add();
    PutText(record, R::kProductCode, product->code);
    PutInt32(record, R::kProductRecordNumber, product->recordNumber);
    PutSpaces(record, {kNumberEnd, R::kLength - kNumberEnd});
  }
  return file.Close();
}

FileSummary WriteProductFile(const std::filesystem::path& path, const Catalogue& catalogue) {
  std::vector<const Product*> byRecord(catalogue.products.size());
  for (const Product& product : catalogue.products) {
    byRecord[static_cast<std::size_t>(product.recordNumber - 1)] = &product;
  }

  RecordWriter file(path, ProductRecord::kLength);
  for (const Product* product : byRecord) {
    char* record = file.Add();
    PutText(record, kCode, product->code);
    PutText(record, ProductRecord::kProductName, product->name);
    PutText(record, kUnit, product->weighed ? "KG" : "KPL");
    PutSpaces(record, kDescription);  // unused by the shop
    // All other fields stay zero.
  }
  return file.Close();
}

}  // namespace kuitti::tools
