#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "RecordWriter.h"

namespace kuitti::tools {

// One line of the product word list: expands to one product per variant,
// named "<base> <variant> <size>" (empty parts are left out).
struct ProductFamily {
  std::string_view base;
  std::string_view variants;  // '|'-separated; an empty entry means the base alone
  std::string_view size;
  std::int16_t vat;  // whole percent
  std::int32_t minCents;
  std::int32_t maxCents;          // equal to minCents for fixed prices
  std::int32_t depositCents = 0;  // bottle/can deposit added after each sold unit
  bool isDeposit = false;         // the deposit products themselves
};

std::span<const ProductFamily> ProductFamilies();

struct Product {
  std::string code;  // 13 ASCII digits
  std::string name;  // Windows-1252, at most 25 bytes
  std::int32_t priceCents = 0;
  std::int16_t vat = 0;
  bool weighed = false;  // priced per kg, sold in fractional quantities
  bool isDeposit = false;
  int deposit = -1;               // index of the deposit product that follows each unit
  std::int32_t recordNumber = 0;  // 1-based position in the product file
};

struct Catalogue {
  std::vector<Product> products;  // word-list order
};

Catalogue MakeCatalogue(std::uint64_t seed);

// Product index (18-byte records) sorted by product code.
FileSummary WriteIndexFile(const std::filesystem::path& path, const Catalogue& catalogue);
// Products (356-byte records) in recordNumber order.
FileSummary WriteProductFile(const std::filesystem::path& path, const Catalogue& catalogue);

}  // namespace kuitti::tools
