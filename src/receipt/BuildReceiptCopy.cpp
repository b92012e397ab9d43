#include <span>
#include <string>

#include "AmountText.h"
#include "DateTimeText.h"
#include "ReceiptCopy.h"
#include "ReceiptLayout.h"
#include "RecordFile.h"
#include "RecordScanner.h"
#include "RowSelector.h"
#include "Utf8.h"

namespace kuitti {
namespace {

using layout::kLineEnd;

const std::string kRule(layout::kWidth, '-');

// A text field as shown: control characters become spaces so the columns stay put.
template <std::size_t N>
std::string Shown(const TextField<N>& field) {
  std::string text;
  for (char32_t c : field) {
    AppendUtf8(text, (c < 0x20 || c == 0x7F) ? U' ' : c);
  }
  return text;
}

template <std::size_t N>
bool IsBlank(const TextField<N>& field) {
  for (char32_t c : field) {
    if (c != U' ') {
      return false;
    }
  }
  return true;
}

char32_t UpperKind(const ReceiptRowRecord& row) {
  const char32_t kind = row.Kind[0];
  return (kind >= U'a' && kind <= U'z') ? kind - (U'a' - U'A') : kind;
}

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) {
    text += part;
  }
  return text;
}

void AppendTotalsRow(const ReceiptRowRecord& row, ReceiptOutput& output,
                     const NumberFormat& format) {
  const auto amount = [&](Currency value) {
    return RightAligned(value.AmountText(format.decimalSeparator), layout::kTotalsAmountWidth);
  };
  output.AppendText(kLineEnd);
  output.AppendText(kRule);
  output.AppendText(Joined({kLineEnd, kLineEnd}));
  output.AppendText(Joined({layout::kTotalLabel, amount(row.Price)}));
  output.AppendText(kLineEnd);
  output.AppendText(Joined({layout::kRoundingLabel, amount(row.Quantity)}));
  output.AppendText(kLineEnd);
  output.AppendText(Joined({layout::kPaidLabel, amount(row.Price - row.Quantity)}));
  output.AppendText(kLineEnd);
  output.AppendText(kLineEnd);
  output.AppendText(Joined({layout::kPrintedLabel, DateText(row.SaleTime)}));
  output.AppendText(Joined({"  ", TimeText(row.SaleTime), kLineEnd}));
}

void AppendItemRow(Module1& module, ReceiptOutput& output, const NumberFormat& format) {
  SalesData& data = module.sales;
  const ReceiptRowRecord& row = data.receiptRow;
  const std::string_view separator = format.decimalSeparator;

  const char32_t kind = UpperKind(row);
  if (kind == U'I' || kind == U'M') {
    LookUpProduct(data);
    output.AppendText(Joined({Shown(row.RowNumber), "  ", Shown(data.product.ProductName), " "}));
  }
  const std::string vatKey = std::to_string(row.VatRate);
  output.AppendText(RightAligned(vatKey, layout::kVatWidth));
  output.AppendText(RightAligned(row.Quantity.PlainText(separator), layout::kQuantityWidth));
  output.AppendText(RightAligned(row.Price.AmountText(separator), layout::kPriceWidth));
  // Worked out only now, so an overflow leaves the line written up to the price.
  const Currency rowSum = row.Quantity * row.Price;
  output.AppendText(RightAligned(rowSum.AmountText(separator), layout::kRowSumWidth));
  output.AppendText(kLineEnd);
  AddToVatBreakdown(module.vatBreakdown, vatKey, rowSum);
}

}  // namespace

void BuildReceiptCopy(Module1& module, std::string_view entry, ReceiptOutput& output,
                      const NumberFormat& format) {
  SalesData& data = module.sales;
  ClearVatBreakdown(module.vatBreakdown);

  output.SetText(
      Joined({layout::kHeadingStart, entry, layout::kVoucherSuffix, kLineEnd, kLineEnd}));
  output.AppendText(kRule);
  output.AppendText(kLineEnd);
  output.AppendText(Joined({layout::kColumnHeader, kLineEnd}));
  output.AppendText(kRule);
  output.AppendText(kLineEnd);

  RandomAccessFile& rows = data.files.File(OpenFiles::kReceiptRows);
  const std::int32_t count = RecordCount(rows, ReceiptRowRecord::kLength);
  const RowSelector selector(entry);
  bool found = false;
  RecordScanner scanner(rows, ReceiptRowRecord::kLength, count);
  while (const unsigned char* bytes = scanner.Next()) {
    if (!selector.IsRendered(bytes)) {
      continue;
    }
    found = true;
    DecodeRecord(
        std::span<const unsigned char, ReceiptRowRecord::kLength>(bytes, ReceiptRowRecord::kLength),
        data.receiptRow);
    output.AppendText(Joined({Shown(data.receiptRow.ProductCode), " "}));
    if (IsBlank(data.receiptRow.ProductCode)) {
      AppendTotalsRow(data.receiptRow, output, format);
    } else {
      AppendItemRow(module, output, format);
    }
  }

  output.AppendText(kRule);
  AppendVatSummary(module.vatBreakdown, output, format);
  output.AppendText(std::string(layout::kWidth, '='));

  if (!found) {
    output.SetText("");
    output.ShowMessage(Joined({layout::kNotFoundStart, entry, layout::kVoucherSuffix}));
  }
}

}  // namespace kuitti
