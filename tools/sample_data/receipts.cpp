#include "receipts.h"

#include <algorithm>

#include "voucher.h"

namespace sample_data {

namespace {

constexpr std::size_t kRowSize = 104;
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
bool contains(const std::uint64_t (&list)[N], std::uint64_t value) {
  return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

void set_once(std::optional<std::uint32_t>& slot, std::uint32_t number) {
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
        file_(path, kRowSize),
        expected_vouchers_(options.exact_rows
                               ? *options.exact_rows * 100 / VoucherBuilder::kMeanRowsTimes100 + 1
                               : std::max<std::uint64_t>(options.vouchers, 1)) {}

  ReceiptResult run();

 private:
  enum class Special { kNone, kToTry, kTwenty, kInterleave };

  Special choose_special(std::uint64_t written, std::uint64_t remaining, bool big);
  std::int64_t start_time(std::uint64_t ordinal);
  std::uint32_t number(std::uint64_t ordinal) const {
    return static_cast<std::uint32_t>((options_.first_voucher + ordinal) % kVoucherModulo);
  }
  void write_interleaved_pair();
  void emit(const Voucher& voucher, std::size_t row);
  void note(const Voucher& voucher);

  const ReceiptOptions& options_;
  Rng rng_;
  VoucherBuilder builder_;
  RecordFile file_;
  std::uint64_t expected_vouchers_;
  std::uint64_t ordinal_ = 0;
  Voucher a_;
  Voucher b_;
  Highlights highlights_;
};

ReceiptResult ReceiptWriter::run() {
  const bool big = options_.exact_rows.has_value();
  const std::uint64_t target = big ? *options_.exact_rows : 0;
  while (big ? file_.records() < target : ordinal_ < options_.vouchers) {
    const std::uint64_t remaining = big ? target - file_.records() : 0;
    // Whatever is left after a voucher must hold at least one more voucher.
    auto fits = [&](std::uint32_t rows) {
      return !big || remaining == rows || remaining >= std::uint64_t{rows} + 2;
    };

    const Special special = choose_special(file_.records(), remaining, big);
    if (special == Special::kInterleave) {
      write_interleaved_pair();
      continue;
    }
    Shape shape;
    if (special == Special::kToTry) {
      shape = {.items = 7, .clean = true, .weighed_first = true};
    } else if (special == Special::kTwenty) {
      shape = {.items = 19, .clean = true};
    } else {
      shape = builder_.random_shape();
      shape.two_totals = big ? rng_.per_million(20) : contains(kTwoTotalsOrdinals, ordinal_);
    }
    if (!fits(shape.rows())) {
      shape = {.items = static_cast<std::uint32_t>(remaining - 1)};  // exact row count
    }

    builder_.build(a_, number(ordinal_), shape, start_time(ordinal_));
    for (std::size_t i = 0; i < a_.rows.size(); ++i) {
      emit(a_, i);
    }
    note(a_);
    if (special == Special::kToTry) {
      highlights_.to_try = a_.number;
    } else if (special == Special::kTwenty) {
      highlights_.twenty_rows = a_.number;
    } else if (shape.two_totals) {
      set_once(highlights_.two_totals, a_.number);
    }
    ++ordinal_;
  }
  return {file_.close(), highlights_};
}

// Big set: the clean vouchers sit a third and half way into the file.
ReceiptWriter::Special ReceiptWriter::choose_special(std::uint64_t written, std::uint64_t remaining,
                                                     bool big) {
  if (!big) {
    return ordinal_ == kTryOrdinal                    ? Special::kToTry
           : ordinal_ == kTwentyOrdinal               ? Special::kTwenty
           : contains(kInterleavedOrdinals, ordinal_) ? Special::kInterleave
                                                      : Special::kNone;
  }
  const std::uint64_t target = written + remaining;
  if (!highlights_.to_try && written >= target / 3 && (remaining == 8 || remaining >= 10)) {
    return Special::kToTry;
  }
  if (!highlights_.twenty_rows && written >= target / 2 && (remaining == 20 || remaining >= 22)) {
    return Special::kTwenty;
  }
  // Pairs have at most 2 x 46 rows, so the exact row count stays reachable.
  if (remaining > 200 && rng_.per_million(500)) {
    return Special::kInterleave;
  }
  return Special::kNone;
}

// Vouchers spread evenly over the opening hours, with some jitter.
std::int64_t ReceiptWriter::start_time(std::uint64_t ordinal) {
  const auto expected = static_cast<std::int64_t>(expected_vouchers_);
  const std::int64_t spacing = std::max<std::int64_t>(1, kOpenTotal / expected);
  std::int64_t position = static_cast<std::int64_t>(ordinal) * kOpenTotal / expected +
                          rng_.below(static_cast<std::uint32_t>(spacing));
  position = std::min(position, kOpenTotal - 1);
  return (kFirstDay + position / kOpenSeconds) * kSecondsPerDay + kOpening +
         position % kOpenSeconds;
}

// Two tills at work: a few rows of the next voucher land between this one's.
void ReceiptWriter::write_interleaved_pair() {
  Shape shape_a = builder_.random_shape();
  Shape shape_b = builder_.random_shape();
  shape_a.skipped_row = shape_b.skipped_row = false;
  const std::int64_t start = start_time(ordinal_);
  builder_.build(a_, number(ordinal_), shape_a, start);
  builder_.build(b_, number(ordinal_ + 1), shape_b, start + rng_.between(5, 40));
  b_.till = a_.till == '1' ? '2' : '1';

  const std::size_t a_split = std::max<std::size_t>(1, (a_.rows.size() - 1) / 2);
  const std::size_t b_split = std::min<std::size_t>(2, b_.rows.size() - 1);
  for (std::size_t i = 0; i < a_split; ++i) {
    emit(a_, i);
  }
  for (std::size_t i = 0; i < b_split; ++i) {
    emit(b_, i);
  }
  for (std::size_t i = a_split; i < a_.rows.size(); ++i) {
    emit(a_, i);
  }
  for (std::size_t i = b_split; i < b_.rows.size(); ++i) {
    emit(b_, i);
  }
  note(a_);
  note(b_);
  if (!highlights_.interleaved) {
    highlights_.interleaved = a_.number;
    highlights_.interleaved_with = b_.number;
  }
  ordinal_ += 2;
}

void ReceiptWriter::emit(const Voucher& voucher, std::size_t row_index) {
  const Row& row = voucher.rows[row_index];
  char* r = file_.add();
  r[0] = row.kind;
  put_digits(r, 1, 6, voucher.number);
  put_digits(r, 7, 3, row_index + 1);
  put_f64(r, 10, static_cast<double>(row.time) / kSecondsPerDay);
  put_digits(r, 18, 2, voucher.cashier);
  r[20] = 'K';
  r[21] = voucher.till;
  put_spaces(r, 22, 3);
  put_text(r, 29, 13, row.code_view());
  put_i64(r, 50, row.price);
  put_i64(r, 58, row.quantity);
  put_i16(r, 82, row.vat);
  put_spaces(r, 88, 6);
  // Everything else stays zero.
}

void ReceiptWriter::note(const Voucher& voucher) {
  if (highlights_.vouchers++ == 0) {
    highlights_.first = voucher.number;
  }
  highlights_.last = voucher.number;
  if (voucher.has_weighed) {
    set_once(highlights_.weighed, voucher.number);
  }
  if (voucher.has_product_return) {
    set_once(highlights_.product_return, voucher.number);
  }
  if (voucher.has_bottle_return) {
    set_once(highlights_.bottle_return, voucher.number);
  }
  if (voucher.has_ad_hoc) {
    set_once(highlights_.ad_hoc, voucher.number);
  }
  if (voucher.has_lower_case) {
    set_once(highlights_.lower_case, voucher.number);
  }
  if (voucher.has_skipped) {
    set_once(highlights_.skipped_rows, voucher.number);
  }
}

}  // namespace

ReceiptResult write_receipt_file(const std::filesystem::path& path, const Catalogue& catalogue,
                                 const ReceiptOptions& options) {
  return ReceiptWriter(path, catalogue, options).run();
}

}  // namespace sample_data
