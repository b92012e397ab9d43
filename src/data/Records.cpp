#include "Records.h"

#include <bit>
#include <cstring>

#include "CodePage.h"

namespace kuitti {
namespace {

template <typename Integer>
Integer LittleEndian(const unsigned char* bytes) {
  std::make_unsigned_t<Integer> value = 0;
  for (std::size_t i = sizeof(Integer); i-- > 0;) {
    value = static_cast<decltype(value)>((value << 8) | bytes[i]);
  }
  return static_cast<Integer>(value);
}

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
  DecodeText(&bytes[0], record.ProductCode);
  record.ProductRecordNumber = LittleEndian<std::int32_t>(&bytes[13]);
}

void DecodeRecord(std::span<const unsigned char, ProductRecord::kLength> bytes,
                  ProductRecord& record) {
  DecodeText(&bytes[13], record.ProductName);
}

void DecodeRecord(std::span<const unsigned char, ReceiptRowRecord::kLength> bytes,
                  ReceiptRowRecord& record) {
  DecodeText(&bytes[0], record.Kind);
  DecodeText(&bytes[1], record.VoucherNumber);
  DecodeText(&bytes[7], record.RowNumber);
  record.SaleTime = DecodeDouble(&bytes[10]);
  DecodeText(&bytes[29], record.ProductCode);
  record.Price = DecodeCurrency(&bytes[50]);
  record.Quantity = DecodeCurrency(&bytes[58]);
  record.VatRate = LittleEndian<std::int16_t>(&bytes[82]);
}

}  // namespace kuitti
