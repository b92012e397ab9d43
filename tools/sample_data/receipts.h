#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "catalogue.h"
#include "record_file.h"

namespace sample_data {

struct ReceiptOptions {
  std::uint64_t seed = 0;
  // Small set: this many vouchers with a few hand-placed oddities.
  std::uint64_t vouchers = 3000;
  std::uint32_t first_voucher = 103000;
  // Benchmark set: exactly this many rows instead (voucher count follows).
  std::optional<std::uint64_t> exact_rows;
};

// Voucher numbers worth opening in the tool; each is the first of its kind.
struct Highlights {
  std::optional<std::uint32_t> to_try;       // several item rows and one totals row
  std::optional<std::uint32_t> twenty_rows;  // 19 item rows + totals, all codes indexed
  std::optional<std::uint32_t> interleaved;
  std::optional<std::uint32_t> interleaved_with;
  std::optional<std::uint32_t> two_totals;
  std::optional<std::uint32_t> weighed;
  std::optional<std::uint32_t> product_return;
  std::optional<std::uint32_t> bottle_return;
  std::optional<std::uint32_t> ad_hoc;
  std::optional<std::uint32_t> lower_case;
  std::optional<std::uint32_t> skipped_rows;
  std::uint32_t first = 0;
  std::uint32_t last = 0;
  std::uint64_t vouchers = 0;
};

struct ReceiptResult {
  FileSummary file;
  Highlights highlights;
};

// Receipt rows, 104-byte records.
ReceiptResult write_receipt_file(const std::filesystem::path& path, const Catalogue& catalogue,
                                 const ReceiptOptions& options);

}  // namespace sample_data
