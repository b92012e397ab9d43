#include "data/Records.h"

#include <bit>
#include <cstring>

#include "data/CodePage.h"

namespace kuitti {
namespace {

template <std::size_t N>
void DecodeText(const unsigned char* bytes, TextField<N>& field) {
  for (std::size_t i = 0; i < N; ++i) {
    field[i] = DecodeWindows1252(bytes[i]);
  }
}

double DecodeDouble(const unsigned char* bytes) {
  return std::bit_cast<double>(LittleEndian<std::uint64_t>(bytes));
}

Currency DecodeCurrency(const unsigned char* bytes) {
  return Currency::FromRaw(LittleEndian<std::int64_t>(bytes));
}

}  // namespace

void DecodeRecord(std::span<const unsigned char, ProductIndexRecord::kLength> bytes,
                  ProductIndexRecord& record) {
  using R = ProductIndexRecord;
  DecodeText(&bytes[R::kProductCode.offset], record.ProductCode);
  record.ProductRecordNumber = LittleEndian<std::int32_t>(&bytes[R::kProductRecordNumber.offset]);
}

void DecodeRecord(std::span<const unsigned char, ProductRecord::kLength> bytes,
                  ProductRecord& record) {
  DecodeText(&bytes[ProductRecord::kProductName.offset], record.ProductName);
}

void DecodeRecord(std::span<const unsigned char, ReceiptRowRecord::kLength> bytes,
                  ReceiptRowRecord& record) {
  using R = ReceiptRowRecord;
  DecodeText(&bytes[R::kKind.offset], record.Kind);
  DecodeText(&bytes[R::kVoucherNumber.offset], record.VoucherNumber);
  DecodeText(&bytes[R::kRowNumber.offset], record.RowNumber);
  record.SaleTime = DecodeDouble(&bytes[R::kSaleTime.offset]);
  DecodeText(&bytes[R::kProductCode.offset], record.ProductCode);
  record.Price = DecodeCurrency(&bytes[R::kPrice.offset]);
  record.Quantity = DecodeCurrency(&bytes[R::kQuantity.offset]);
  record.VatRate = LittleEndian<std::int16_t>(&bytes[R::kVatRate.offset]);
}

}  // namespace kuitti
