#include <span>
#include <string>

#include "AmountText.h"
#include "DateTimeText.h"
#include "LookUpProduct.h"
#include "ReceiptCopy.h"
#include "ReceiptLayout.h"
#include "RecordFile.h"
#include "RecordScanner.h"
#include "RowSelector.h"
#include "Utf8.h"

namespace kuitti {
namespace {

using layout::kLineEnd;

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

void AppendTotalsRow(const ReceiptRowRecord& row, std::string& copy, const NumberFormat& format) {
  const auto amount = [&](Currency value) {
    return RightAligned(value.AmountText(format.decimalSeparator), layout::kTotalsAmountWidth);
  };
  copy += kLineEnd;
  copy += layout::kRule;
  copy += kLineEnd;
  copy += kLineEnd;
  copy += layout::kTotalLabel;
  copy += amount(row.Price);
  copy += kLineEnd;
  copy += layout::kRoundingLabel;
  copy += amount(row.Quantity);
  copy += kLineEnd;
  copy += layout::kPaidLabel;
  copy += amount(row.Price - row.Quantity);
  copy += kLineEnd;
  copy += kLineEnd;
  copy += layout::kPrintedLabel;
  copy += DateText(row.SaleTime);
  copy += layout::kBetweenDateAndTime;
  copy += TimeText(row.SaleTime);
  copy += kLineEnd;
}

void AppendItemRow(Module1& module, const DataFiles& files, std::string& copy,
                   const NumberFormat& format) {
  SalesData& data = module.sales;
  const ReceiptRowRecord& row = data.receiptRow;
  const std::string_view separator = format.decimalSeparator;

  const char32_t kind = UpperKind(row);
  if (kind == U'I' || kind == U'M') {
    LookUpProduct(*files.productIndex, *files.products, row.ProductCode, data.productIndex,
                  data.product);
    copy += Shown(row.RowNumber);
    copy += layout::kAfterRowNumber;
    copy += Shown(data.product.ProductName);
    copy += layout::kAfterName;
  }
  const std::string vatKey = std::to_string(row.VatRate);
  const Currency rowSum = row.Quantity * row.Price;
  copy += RightAligned(vatKey, layout::kVatWidth);
  copy += RightAligned(row.Quantity.PlainText(separator), layout::kQuantityWidth);
  copy += RightAligned(row.Price.AmountText(separator), layout::kPriceWidth);
  copy += RightAligned(rowSum.AmountText(separator), layout::kRowSumWidth);
  copy += kLineEnd;
  AddToVatBreakdown(module.vatBreakdown, vatKey, rowSum);
}

}  // namespace

std::optional<std::string> BuildReceiptCopy(Module1& module, const DataFiles& files,
                                            std::string_view entry, const NumberFormat& format) {
  SalesData& data = module.sales;
  ClearVatBreakdown(module.vatBreakdown);

  std::string copy;
  copy += layout::kHeadingStart;
  copy += entry;
  copy += layout::kVoucherSuffix;
  copy += kLineEnd;
  copy += kLineEnd;
  copy += layout::kRule;
  copy += kLineEnd;
  copy += layout::kColumnHeader;
  copy += kLineEnd;
  copy += layout::kRule;
  copy += kLineEnd;

  RandomAccessFile& rows = *files.receiptRows;
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
    copy += Shown(data.receiptRow.ProductCode);
    copy += layout::kAfterCode;
    if (IsBlank(data.receiptRow.ProductCode)) {
      AppendTotalsRow(data.receiptRow, copy, format);
    } else {
      AppendItemRow(module, files, copy, format);
    }
  }

  copy += layout::kRule;
  AppendVatSummary(module.vatBreakdown, copy, format);
  copy += layout::kClosingLine;

  if (!found) {
    return std::nullopt;
  }
  return copy;
}

std::string NotFoundMessage(std::string_view entry) {
  std::string message(layout::kNotFoundStart);
  message += entry;
  message += layout::kVoucherSuffix;
  return message;
}

}  // namespace kuitti
