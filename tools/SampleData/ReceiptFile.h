#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "Catalogue.h"
#include "RecordWriter.h"

namespace kuitti::tools {

struct ReceiptOptions {
  std::uint64_t seed = 0;
  // Small set: this many vouchers with a few hand-placed oddities.
  std::uint64_t vouchers = 3000;
  std::uint32_t firstVoucher = 103000;
  // Benchmark set: exactly this many rows instead (voucher count follows).
  std::optional<std::uint64_t> exactRows;
};

// Voucher numbers worth opening in the tool; each is the first of its kind.
struct Highlights {
  std::optional<std::uint32_t> toTry;       // several item rows and one totals row
  std::optional<std::uint32_t> twentyRows;  // 19 item rows + totals, all codes indexed
  std::optional<std::uint32_t> interleaved;
  std::optional<std::uint32_t> interleavedWith;
  std::optional<std::uint32_t> twoTotals;
  std::optional<std::uint32_t> weighed;
  std::optional<std::uint32_t> productReturn;
  std::optional<std::uint32_t> bottleReturn;
  std::optional<std::uint32_t> adHoc;
  std::optional<std::uint32_t> lowerCase;
  std::optional<std::uint32_t> skippedRows;
  std::uint32_t first = 0;
  std::uint32_t last = 0;
  std::uint64_t vouchers = 0;
};

struct ReceiptResult {
  FileSummary file;
  Highlights highlights;
};

// Receipt rows, 104-byte records.
ReceiptResult WriteReceiptFile(const std::filesystem::path& path, const Catalogue& catalogue,
                               const ReceiptOptions& options);

}  // namespace kuitti::tools
