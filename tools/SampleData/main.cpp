// kuittikopio-sample-data: writes a deterministic set of point-of-sale record
// files for demos, tests and benchmarks. Same arguments, same bytes.
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "Catalogue.h"
#include "FillerFile.h"
#include "ReceiptFile.h"

namespace {

using namespace kuitti::tools;

// Fixed seeds: output must never depend on the clock or the machine.
constexpr std::uint64_t kCatalogueSeed = 0x6B7569747469ull;
constexpr std::uint64_t kReceiptSeed = 0x6B6F70696F31ull;
constexpr std::uint64_t kFillerSeed = 0x313930ull;

constexpr std::uint32_t kSmallFirstVoucher = 103000;
constexpr std::uint32_t kBigFirstVoucher = 10001;  // leaves room for ~990,000 vouchers

constexpr const char* kUsage =
    "Usage: kuittikopio-sample-data --out DIR [--rows N]\n"
    "\n"
    "Writes a deterministic sample set of the shop's record files into DIR:\n"
    "  CASSA.001  product index, sorted by product code\n"
    "  CASSA.002  products\n"
    "  CASSA.004  receipt rows (3000 vouchers)\n"
    "  CASSA.005  filler records the tool does not read\n"
    "\n"
    "Options:\n"
    "  --out DIR   output directory, created if missing\n"
    "  --rows N    make CASSA.004 exactly N rows long instead (benchmarks;\n"
    "              104 bytes a row, 10000000 rows = 1.04 GB)\n"
    "  --help      show this text\n";

struct Arguments {
  std::filesystem::path out;
  std::optional<std::uint64_t> rows;
  bool help = false;
};

std::optional<std::uint64_t> ParseCount(std::string_view text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

// Returns nullopt (after printing why) when the command line is unusable.
std::optional<Arguments> ParseArguments(int argc, char** argv) {
  Arguments args;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--help" || arg == "-h") {
      args.help = true;
    } else if (arg == "--out" && has_value) {
      args.out = argv[++i];
    } else if (arg == "--rows" && has_value) {
      args.rows = ParseCount(argv[++i]);
      if (!args.rows) {
        std::fprintf(stderr, "--rows needs a non-negative whole number, got '%s'\n", argv[i]);
        return std::nullopt;
      }
    } else {
      std::fprintf(stderr, "unknown or incomplete argument '%s'\n", argv[i]);
      return std::nullopt;
    }
  }
  if (!args.help && args.out.empty()) {
    std::fprintf(stderr, "--out DIR is required\n");
    return std::nullopt;
  }
  return args;
}

void PrintFile(const FileSummary& file) {
  std::printf("wrote %s: %llu records, %llu bytes\n", file.path.string().c_str(),
              static_cast<unsigned long long>(file.records),
              static_cast<unsigned long long>(file.bytes));
}

void PrintVoucher(const char* what, const std::optional<std::uint32_t>& number) {
  if (number) {
    std::printf("voucher %s: %06u\n", what, static_cast<unsigned>(*number));
  }
}

void PrintHighlights(const Highlights& h) {
  if (h.vouchers == 0) {
    return;
  }
  std::printf("vouchers: %06u .. %06u (%llu)\n", static_cast<unsigned>(h.first),
              static_cast<unsigned>(h.last), static_cast<unsigned long long>(h.vouchers));
  PrintVoucher("to try", h.toTry);
  PrintVoucher("with 20 rows", h.twentyRows);
  if (h.interleaved && h.interleavedWith) {
    std::printf("voucher interleaved with another till: %06u (with %06u)\n",
                static_cast<unsigned>(*h.interleaved), static_cast<unsigned>(*h.interleavedWith));
  }
  PrintVoucher("with two totals rows", h.twoTotals);
  PrintVoucher("with a weighed item", h.weighed);
  PrintVoucher("with a returned product", h.productReturn);
  PrintVoucher("with returned bottles", h.bottleReturn);
  PrintVoucher("with an ad-hoc item", h.adHoc);
  PrintVoucher("with lower-case item rows", h.lowerCase);
  PrintVoucher("with skipped rows", h.skippedRows);
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Arguments> args = ParseArguments(argc, argv);
  if (!args) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (args->help) {
    std::fputs(kUsage, stdout);
    return 0;
  }

  try {
    std::filesystem::create_directories(args->out);
    const Catalogue catalogue = MakeCatalogue(kCatalogueSeed);
    PrintFile(WriteIndexFile(args->out / "CASSA.001", catalogue));
    PrintFile(WriteProductFile(args->out / "CASSA.002", catalogue));

    ReceiptOptions options;
    options.seed = kReceiptSeed;
    options.exactRows = args->rows;
    options.firstVoucher = args->rows ? kBigFirstVoucher : kSmallFirstVoucher;
    const ReceiptResult receipts = WriteReceiptFile(args->out / "CASSA.004", catalogue, options);
    PrintFile(receipts.file);
    PrintFile(WriteFillerFile(args->out / "CASSA.005", kFillerSeed));
    PrintHighlights(receipts.highlights);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kuittikopio-sample-data: %s\n", e.what());
    return 1;
  }
  return 0;
}
