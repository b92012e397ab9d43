#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "data/LookUpProduct.h"
#include "data/PickedRecordScanner.h"
#include "data/RecordFile.h"
#include "data/RuntimeError.h"
#include "data/TextTrim.h"
#include "data/Utf8.h"
#include "receipt/AmountText.h"
#include "receipt/CopyWarnings.h"
#include "receipt/DateTimeText.h"
#include "receipt/ItemColumns.h"
#include "receipt/ReceiptCopy.h"
#include "receipt/ReceiptLayout.h"
#include "receipt/RowSelector.h"
#include "receipt/VatRate.h"

namespace kuitti {
namespace {

using layout::kLineEnd;

// A row of the voucher, with its place in the file for the errors that name it.
struct RenderedRow {
  std::int32_t recordNumber = 0;
  std::array<unsigned char, ReceiptRowRecord::kLength> bytes{};
};

// A text field as shown, character by character.
template <std::size_t N>
std::string Shown(const TextField<N>& field) {
  std::string text;
  for (char32_t c : field) {
    AppendUtf8(text, layout::Shown(c));
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

// Where an error met while rendering happened, for its description.
std::string FilePlace(const std::string& path) {
  return "tiedosto " + path;
}

std::string RecordPlace(const std::string& path, std::int32_t recordNumber) {
  return FilePlace(path) + ", tietue " + std::to_string(recordNumber);
}

char32_t UpperKind(const ReceiptRowRecord& row) {
  const char32_t kind = row.Kind[0];
  return (kind >= U'a' && kind <= U'z') ? kind - (U'a' - U'A') : kind;
}

void AppendTotalsRow(const ReceiptRowRecord& row, std::string& copy, const NumberFormat& format,
                     CopyWarnings& warnings) {
  const auto amount = [&](Currency value) {
    return RightAligned(value.AmountText(format.decimalSeparator), layout::kTotalsAmountWidth);
  };
  copy += kLineEnd;
  copy += layout::kRule;
  copy += kLineEnd;
  copy += kLineEnd;
  const Currency paid = row.Price - row.Quantity;
  // The three lines add up: where the stored rounding is not what the shown total and paid
  // amount differ by (at half cents of opposite signs), that difference is shown instead.
  // Elsewhere the stored rounding shows as ever, "-0,00" of a slightly negative one included.
  const Currency difference = row.Price.RoundedToCents() - paid.RoundedToCents();
  const Currency rounding = row.Quantity.RoundedToCents() == difference ? row.Quantity : difference;
  copy += layout::kTotalLabel;
  copy += amount(row.Price);
  copy += kLineEnd;
  copy += layout::kRoundingLabel;
  copy += amount(rounding);
  copy += kLineEnd;
  copy += layout::kPaidLabel;
  copy += amount(paid);
  copy += kLineEnd;
  copy += kLineEnd;
  const std::string day = DateText(row.SaleTime);
  copy += layout::kPrintedLabel;
  copy += day;
  copy += layout::kBetweenDateAndTime;
  copy += TimeText(row.SaleTime);
  copy += kLineEnd;
  warnings.TotalsRow(day, row.Price.AmountText(format.decimalSeparator));
}

void AppendItemRow(Module1& module, const DataFiles& files, std::string& copy,
                   const NumberFormat& format, CopyWarnings& warnings) {
  SalesData& data = module.sales;
  const ReceiptRowRecord& row = data.receiptRow;
  const std::string_view separator = format.decimalSeparator;

  const char32_t kind = UpperKind(row);
  if (kind == U'I' || kind == U'M') {
    try {
      if (LookUpProduct(*files.productIndex, *files.products, row.ProductCode, data.productIndex,
                        data.product) == ProductLookup::kPastTheProducts) {
        warnings.MissingProductRecord(std::string(TrimSpaces(Shown(row.ProductCode))),
                                      data.productIndex.ProductRecordNumber, Shown(row.RowNumber),
                                      RecordCount(*files.products, ProductRecord::kLength) == 0);
      }
    } catch (const RuntimeError& error) {
      if (error.number() != kBadRecordNumber) {
        throw;
      }
      // The index record of the product, the last one read, holds the number.
      throw RuntimeError(kBadRecordNumber,
                         error.description() + " " +
                             std::to_string(data.productIndex.ProductRecordNumber) +
                             " tuotekoodilla " + std::string(TrimSpaces(Shown(row.ProductCode))) +
                             " tiedostossa " + data.DataPath + std::string(kProductIndexFileName));
    }
    copy += Shown(row.RowNumber);
    copy += layout::kAfterRowNumber;
    copy += Shown(data.product.ProductName);
    copy += layout::kAfterName;
  }
  const VatRate rate = ReadVatRate(row.VatRate);
  if (!rate.showable) {
    warnings.UnshowableVatRate(row.VatRate, Shown(row.RowNumber));
  }
  const Currency rowSum = row.Quantity * row.Price;
  copy += ItemColumns(rate.key, row.Quantity.PlainText(separator), row.Price.AmountText(separator),
                      rowSum.AmountText(separator));
  copy += kLineEnd;
  AddToVatBreakdown(module.vatBreakdown, rate.key, rowSum);
}

}  // namespace

std::optional<ReceiptCopy> BuildReceiptCopy(Module1& module, const DataFiles& files,
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

  // Errors name the file and record they arose from, as far as they do not name a file already.
  const std::string rowsPath = data.DataPath + std::string(kReceiptRowsFileName);
  RandomAccessFile& rows = *files.receiptRows;
  std::int32_t count = 0;
  try {
    count = RecordCount(rows, ReceiptRowRecord::kLength);
  } catch (const RuntimeError& error) {
    throw error.At(FilePlace(rowsPath));
  }
  const RowSelector selector(entry);
  CopyWarnings warnings(data.DataPath + std::string(kProductsFileName));
  bool found = false;
  // The voucher's rows are picked out on the threads that read them (see PickedRecordScanner).
  PickedRecordScanner<RenderedRow> scanner(
      rows, ReceiptRowRecord::kLength, count,
      [&selector](std::span<const unsigned char> records, std::int64_t first,
                  std::vector<RenderedRow>& picked) {
        constexpr std::size_t kLength = ReceiptRowRecord::kLength;
        const unsigned char* const end = records.data() + records.size();
        for (const unsigned char* at = selector.NextRendered(records.data(), end); at != end;
             at = selector.NextRendered(at + kLength, end)) {
          RenderedRow& row = picked.emplace_back();
          row.recordNumber = static_cast<std::int32_t>(
              first + (at - records.data()) / std::ptrdiff_t{kLength} + 1);
          std::copy_n(at, kLength, row.bytes.begin());
        }
      });
  while (const RenderedRow* row = scanner.Next()) {
    const std::int32_t recordNumber = row->recordNumber;
    found = true;
    try {
      DecodeRecord(std::span<const unsigned char, ReceiptRowRecord::kLength>(row->bytes),
                   data.receiptRow);
      copy += Shown(data.receiptRow.ProductCode);
      copy += layout::kAfterCode;
      if (IsBlank(data.receiptRow.ProductCode)) {
        AppendTotalsRow(data.receiptRow, copy, format, warnings);
      } else {
        AppendItemRow(module, files, copy, format, warnings);
      }
    } catch (const RuntimeError& error) {
      throw error.At(RecordPlace(rowsPath, recordNumber));
    }
  }

  copy += layout::kRule;
  try {
    AppendVatSummary(module.vatBreakdown, copy, format);
  } catch (const RuntimeError& error) {
    throw error.At("ALV-yhteenveto, " + FilePlace(rowsPath));
  }
  copy += layout::kClosingLine;

  if (!found) {
    return std::nullopt;
  }
  return ReceiptCopy{std::move(copy), warnings.Texts()};
}

std::string NotFoundMessage(std::string_view entry) {
  std::string message(layout::kNotFoundStart);
  message += entry;
  message += layout::kVoucherSuffix;
  return message;
}

}  // namespace kuitti
