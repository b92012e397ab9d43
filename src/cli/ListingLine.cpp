#include "cli/ListingLine.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <string>
#include <thread>
#include <tuple>

#include "data/Utf8.h"
#include "receipt/AmountText.h"
#include "receipt/DateTimeText.h"
#include "receipt/ReceiptLayout.h"

namespace kuitti {

namespace {

// Puts the lines of hit after hit with one decimal separator.
class LineWriter {
 public:
  static constexpr std::string_view kGap = "  ";
  // The voucher's characters, up to three bytes each; the date and time, the gaps and a total
  // of the column's width, all but its separator a byte a character.
  static constexpr std::size_t kLongestLineBesidesSeparator =
      1 + 3 * std::tuple_size_v<decltype(ReceiptHit::voucher)> + layout::kVoucherSuffix.size() +
      kLongestDateText + kTimeTextLength + 3 * kGap.size() + layout::kTotalsAmountWidth;

  explicit LineWriter(std::string_view decimalSeparator)
      : separator_(decimalSeparator), separatorLength_(Utf8Length(decimalSeparator)) {}

  // The hit's line put at `at`, which has room for the longest line, with no line end;
  // returns the end of what it put.
  char* Put(char* at, const ReceiptHit& hit) {
    *at++ = 'M';
    // Printable ASCII stands for itself, as in nearly every voucher number.
    const auto isPrintableAscii = [](unsigned char byte) { return byte >= 0x20 && byte < 0x7F; };
    if (std::all_of(hit.voucher.begin(), hit.voucher.end(), isPrintableAscii)) {
      at = std::copy(hit.voucher.begin(), hit.voucher.end(), at);
    } else {
      const std::string voucher = VoucherText(hit);
      at = std::copy(voucher.begin(), voucher.end(), at);
    }
    at = std::copy(layout::kVoucherSuffix.begin(), layout::kVoucherSuffix.end(), at);
    at = std::copy(kGap.begin(), kGap.end(), at);
    at = dateAndTime_.Put(at, hit.saleTime, kGap);
    at = std::copy(kGap.begin(), kGap.end(), at);
    const std::size_t amountLength = hit.total.AmountTextLength(separatorLength_);
    if (amountLength > layout::kTotalsAmountWidth) {
      // Only a total past a hundred million loses its leading characters.
      const std::string shown =
          RightAligned(hit.total.AmountText(separator_), layout::kTotalsAmountWidth);
      return std::copy(shown.begin(), shown.end(), at);
    }
    // The whole column blank first: a fill of a fixed length is made in place.
    std::fill_n(at, layout::kTotalsAmountWidth, ' ');
    return hit.total.PutAmountText(at + (layout::kTotalsAmountWidth - amountLength), separator_);
  }

 private:
  std::string_view separator_;
  std::size_t separatorLength_;  // in characters
  DateAndTimeWriter dateAndTime_;
};

// Room for a part's lines, each ended by a line feed, made once for every part.
class PartText {
 public:
  PartText(std::size_t lines, std::string_view decimalSeparator)
      : lineBytes_(LineWriter::kLongestLineBesidesSeparator + decimalSeparator.size() + 1),
        text_(std::make_unique_for_overwrite<char[]>(lines * lineBytes_)) {}

  // The lines of hits `from` to `to` - 1.
  std::string_view Format(const std::deque<ReceiptHit>& hits, std::size_t from, std::size_t to,
                          std::string_view decimalSeparator) {
    LineWriter writer(decimalSeparator);
    char* at = text_.get();
    for (std::size_t i = from; i < to; ++i) {
      at = writer.Put(at, hits[i]);
      *at++ = '\n';
    }
    return {text_.get(), static_cast<std::size_t>(at - text_.get())};
  }

 private:
  std::size_t lineBytes_;
  std::unique_ptr<char[]> text_;
};

}  // namespace

void WriteListing(const std::deque<ReceiptHit>& hits, std::string_view decimalSeparator,
                  const std::function<void(std::string_view)>& write, std::size_t partHits) {
  const std::size_t linesInAPart = std::min(hits.size(), partHits);
  PartText first(linesInAPart, decimalSeparator);
  PartText second(linesInAPart, decimalSeparator);
  for (std::size_t from = 0; from < hits.size(); from += 2 * partHits) {
    const std::size_t middle = std::min(hits.size(), from + partHits);
    const std::size_t to = std::min(hits.size(), middle + partHits);
    std::string_view firstLines;
    std::string_view secondLines;
    std::exception_ptr otherFailed;
    {
      // Joined at the end of the block, even when this thread's part fails.
      std::jthread other;
      if (middle < to) {
        other = std::jthread([&] {
          try {
            secondLines = second.Format(hits, middle, to, decimalSeparator);
          } catch (...) {
            otherFailed = std::current_exception();
          }
        });
      }
      firstLines = first.Format(hits, from, middle, decimalSeparator);
    }
    if (otherFailed) {
      std::rethrow_exception(otherFailed);
    }
    write(firstLines);
    if (middle < to) {
      write(secondLines);
    }
  }
}

std::string ListingLine(const ReceiptHit& hit, std::string_view decimalSeparator) {
  std::string line(LineWriter::kLongestLineBesidesSeparator + decimalSeparator.size(), '\0');
  line.resize(
      static_cast<std::size_t>(LineWriter(decimalSeparator).Put(line.data(), hit) - line.data()));
  return line;
}

}  // namespace kuitti
