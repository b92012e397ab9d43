#include "ReceiptFile.h"

#include <algorithm>

#include "Voucher.h"

namespace kuitti::tools {

namespace {

// Fields of a receipt row that the tool fills as a till does and nothing reads.
constexpr Field kCashier{18, 2};
constexpr Field kTill{20, 2};  // "K" and the till's digit
constexpr Field kBlankText[] = {{22, 3}, {88, 6}};

constexpr std::uint32_t kVoucherModulo = 1000000;  // six digits; the counter wraps

// The shop is open 08:00-21:00 every day from 2024-01-02 to 2026-12-31.
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kFirstDay = 45293;  // 2024-01-02 as an OLE Automation day number
constexpr std::int64_t kDays = 1095;
constexpr std::int64_t kOpening = 8 * 3600;
constexpr std::int64_t kOpenSeconds = 13 * 3600;
constexpr std::int64_t kOpenTotal = kDays * kOpenSeconds;

// Hand-placed vouchers of the small set, by ordinal (first voucher = 0).
constexpr std::uint64_t kTryOrdinal = 1233;
constexpr std::uint64_t kTwentyOrdinal = 1502;
constexpr std::uint64_t kInterleavedOrdinals[] = {412, 1707, 2650};  // with the next one
constexpr std::uint64_t kTwoTotalsOrdinals[] = {871, 2389};

template <std::size_t N>
bool Contains(const std::uint64_t (&list)[N], std::uint64_t value) {
  return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

void SetOnce(std::optional<std::uint32_t>& slot, std::uint32_t number) {
  if (!slot) {
    slot = number;
  }
}

class ReceiptWriter {
 public:
  ReceiptWriter(const std::filesystem::path& path, const Catalogue& catalogue,
                const ReceiptOptions& options)
      : options_(options),
        rng_(options.seed),
        builder_(catalogue, rng_),
        file_(path, ReceiptRowRecord::kLength),
        expectedVouchers_(options.exactRows
                              ? *options.exactRows * 100 / VoucherBuilder::kMeanRowsTimes100 + 1
                              : std::max<std::uint64_t>(options.vouchers, 1)) {}

  ReceiptResult Run();

 private:
  enum class Special { kNone, kToTry, kTwenty, kInterleave };

  Special ChooseSpecial(std::uint64_t written, std::uint64_t remaining, bool big);
  std::int64_t StartTime(std::uint64_t ordinal);
  std::uint32_t Number(std::uint64_t ordinal) const {
    return static_cast<std::uint32_t>((options_.firstVoucher + ordinal) % kVoucherModulo);
  }
  void WriteInterleavedPair();
  void Emit(const Voucher& voucher, std::size_t row);
  void Note(const Voucher& voucher);

  const ReceiptOptions& options_;
  Rng rng_;
  VoucherBuilder builder_;
  RecordWriter file_;
  std::uint64_t expectedVouchers_;
  std::uint64_t ordinal_ = 0;
  Voucher a_;
  Voucher b_;
  Highlights highlights_;
};

ReceiptResult ReceiptWriter::Run() {
  const bool big = options_.exactRows.has_value();
  const std::uint64_t target = big ? *options_.exactRows : 0;
  while (big ? file_.Records() < target : ordinal_ < options_.vouchers) {
    const std::uint64_t remaining = big ? target - file_.Records() : 0;
    // Whatever is left after a voucher must hold at least one more voucher.
    auto fits = [&](std::uint32_t rows) {
      return !big || remaining == rows || remaining >= std::uint64_t{rows} + 2;
    };

    const Special special = ChooseSpecial(file_.Records(), remaining, big);
    if (special == Special::kInterleave) {
      WriteInterleavedPair();
      continue;
    }
    Shape shape;
    if (special == Special::kToTry) {
      shape = {.items = 7, .clean = true, .weighedFirst = true};
    } else if (special == Special::kTwenty) {
      shape = {.items = 19, .clean = true};
    } else {
      shape = builder_.RandomShape();
      shape.twoTotals = big ? rng_.PerMillion(20) : Contains(kTwoTotalsOrdinals, ordinal_);
    }
    if (!fits(shape.Rows())) {
      shape = {.items = static_cast<std::uint32_t>(remaining - 1)};  // exact row count
    }

    builder_.Build(a_, Number(ordinal_), shape, StartTime(ordinal_));
    for (std::size_t i = 0; i < a_.rows.size(); ++i) {
      Emit(a_, i);
    }
    Note(a_);
    if (special == Special::kToTry) {
      highlights_.toTry = a_.number;
    } else if (special == Special::kTwenty) {
      highlights_.twentyRows = a_.number;
    } else if (shape.twoTotals) {
      SetOnce(highlights_.twoTotals, a_.number);
    }
    ++ordinal_;
  }
  return {file_.Close(), highlights_};
}

// Big set: the clean vouchers sit a third and half way into the file.
ReceiptWriter::Special ReceiptWriter::ChooseSpecial(std::uint64_t written, std::uint64_t remaining,
                                                    bool big) {
  if (!big) {
    return ordinal_ == kTryOrdinal                    ? Special::kToTry
           : ordinal_ == kTwentyOrdinal               ? Special::kTwenty
           : Contains(kInterleavedOrdinals, ordinal_) ? Special::kInterleave
                                                      : Special::kNone;
  }
  const std::uint64_t target = written + remaining;
  if (!highlights_.toTry && written >= target / 3 && (remaining == 8 || remaining >= 10)) {
    return Special::kToTry;
  }
  if (!highlights_.twentyRows && written >= target / 2 && (remaining == 20 || remaining >= 22)) {
    return Special::kTwenty;
  }
  // Pairs have at most 2 x 46 rows, so the exact row count stays reachable.
  if (remaining > 200 && rng_.PerMillion(500)) {
    return Special::kInterleave;
  }
  return Special::kNone;
}

// Vouchers spread evenly over the opening hours, with some jitter.
std::int64_t ReceiptWriter::StartTime(std::uint64_t ordinal) {
  const auto expected = static_cast<std::int64_t>(expectedVouchers_);
  const std::int64_t spacing = std::max<std::int64_t>(1, kOpenTotal / expected);
  std::int64_t position = static_cast<std::int64_t>(ordinal) * kOpenTotal / expected +
                          rng_.Below(static_cast<std::uint32_t>(spacing));
  position = std::min(position, kOpenTotal - 1);
  return (kFirstDay + position / kOpenSeconds) * kSecondsPerDay + kOpening +
         position % kOpenSeconds;
}

// Two tills at work: a few rows of the next voucher land between this one's.
void ReceiptWriter::WriteInterleavedPair() {
  Shape shapeA = builder_.RandomShape();
  Shape shapeB = builder_.RandomShape();
  shapeA.skippedRow = shapeB.skippedRow = false;
  const std::int64_t start = StartTime(ordinal_);
  builder_.Build(a_, Number(ordinal_), shapeA, start);
  builder_.Build(b_, Number(ordinal_ + 1), shapeB, start + rng_.Between(5, 40));
  b_.till = a_.till == '1' ? '2' : '1';

  const std::size_t aSplit = std::max<std::size_t>(1, (a_.rows.size() - 1) / 2);
  const std::size_t bSplit = std::min<std::size_t>(2, b_.rows.size() - 1);
  for (std::size_t i = 0; i < aSplit; ++i) {
    Emit(a_, i);
  }
  for (std::size_t i = 0; i < bSplit; ++i) {
    Emit(b_, i);
  }
  for (std::size_t i = aSplit; i < a_.rows.size(); ++i) {
    Emit(a_, i);
  }
  for (std::size_t i = bSplit; i < b_.rows.size(); ++i) {
    Emit(b_, i);
  }
  Note(a_);
  Note(b_);
  if (!highlights_.interleaved) {
    highlights_.interleaved = a_.number;
    highlights_.interleavedWith = b_.number;
  }
  ordinal_ += 2;
}

void ReceiptWriter::Emit(const Voucher& voucher, std::size_t rowIndex) {
  const Row& row = voucher.rows[rowIndex];
  using R = ReceiptRowRecord;
  char* r = file_.Add();
  PutText(r, R::kKind, std::string_view(&row.kind, 1));
  PutDigits(r, R::kVoucherNumber, voucher.number);
  PutDigits(r, R::kRowNumber, rowIndex + 1);
  PutDouble(r, R::kSaleTime, static_cast<double>(row.time) / kSecondsPerDay);
  PutDigits(r, kCashier, voucher.cashier);
  PutText(r, kTill, std::string{'K', voucher.till});
  PutSpaces(r, kBlankText[0]);
  PutText(r, R::kProductCode, row.CodeView());
  PutInt64(r, R::kPrice, row.price);
  PutInt64(r, R::kQuantity, row.quantity);
  PutInt16(r, R::kVatRate, row.vat);
  PutSpaces(r, kBlankText[1]);
  // Everything else stays zero.
}

void ReceiptWriter::Note(const Voucher& voucher) {
  if (highlights_.vouchers++ == 0) {
    highlights_.first = voucher.number;
  }
  highlights_.last = voucher.number;
  using Highlight = std::optional<std::uint32_t> Highlights::*;
  static constexpr std::pair<bool Voucher::*, Highlight> kFirstOfItsKind[] = {
      {&Voucher::hasWeighed, &Highlights::weighed},
      {&Voucher::hasProductReturn, &Highlights::productReturn},
      {&Voucher::hasBottleReturn, &Highlights::bottleReturn},
      {&Voucher::hasAdHoc, &Highlights::adHoc},
      {&Voucher::hasLowerCase, &Highlights::lowerCase},
      {&Voucher::hasSkipped, &Highlights::skippedRows},
  };
  for (const auto& [has, highlight] : kFirstOfItsKind) {
    if (voucher.*has) {
      SetOnce(highlights_.*highlight, voucher.number);
    }
  }
}

}  // namespace

ReceiptResult WriteReceiptFile(const std::filesystem::path& path, const Catalogue& catalogue,
                               const ReceiptOptions& options) {
  return ReceiptWriter(path, catalogue, options).Run();
}

}  // namespace kuitti::tools
