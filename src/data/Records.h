#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <type_traits>

#include "data/Currency.h"

namespace kuitti {

// The integer stored little-endian in the first sizeof(Integer) bytes.
template <typename Integer>
Integer LittleEndian(const unsigned char* bytes) {
  std::make_unsigned_t<Integer> value = 0;
  for (std::size_t i = sizeof(Integer); i-- > 0;) {
    value = static_cast<decltype(value)>((value << 8) | bytes[i]);
  }
  return static_cast<Integer>(value);
}

// Text of a fixed number of characters, decoded from the Windows-1252 bytes of a field and
// kept whole, trailing spaces and NULs included.
template <std::size_t N>
using TextField = std::array<char32_t, N>;

// The record layouts of the point-of-sale files. Records follow each other with no header;
// fields follow each other with no gaps; integers are little-endian. The bytes between the
// fields named here belong to fields nothing reads.
struct Field {
  int offset;
  int width;  // in bytes
};

// CASSA.001, the product index, sorted by ProductCode.
struct ProductIndexRecord {
  static constexpr int kLength = 18;
  static constexpr Field kProductCode{0, 13};
  static constexpr Field kProductRecordNumber{13, 4};  // int32, from 1, into CASSA.002
  TextField<kProductCode.width> ProductCode{};
  std::int32_t ProductRecordNumber = 0;
};

// CASSA.002, the products; of its 27 fields only the name is read.
struct ProductRecord {
  static constexpr int kLength = 356;
  static constexpr Field kProductName{13, 25};
  TextField<kProductName.width> ProductName{};
};

// CASSA.004, the receipt rows of every receipt.
struct ReceiptRowRecord {
  static constexpr int kLength = 104;
  static constexpr Field kKind{0, 1};
  static constexpr Field kVoucherNumber{1, 6};
  static constexpr Field kRowNumber{7, 3};
  static constexpr Field kSaleTime{10, 8};      // double, a day value
  static constexpr Field kProductCode{29, 13};  // all spaces on the totals row
  static constexpr Field kPrice{50, 8};         // Currency; totals row: the receipt's total
  static constexpr Field kQuantity{58, 8};      // Currency; totals row: the rounding
  static constexpr Field kVatRate{82, 2};       // int16

  TextField<kKind.width> Kind{};
  TextField<kVoucherNumber.width> VoucherNumber{};
  TextField<kRowNumber.width> RowNumber{};
  double SaleTime = 0;
  TextField<kProductCode.width> ProductCode{};
  Currency Price;
  Currency Quantity;
  std::int16_t VatRate = 0;
};

// CASSA.005 is opened and closed but never read.
inline constexpr int kCassa005RecordLength = 43;

// Each takes exactly the record's length in bytes.
void DecodeRecord(std::span<const unsigned char, ProductIndexRecord::kLength> bytes,
                  ProductIndexRecord& record);
void DecodeRecord(std::span<const unsigned char, ProductRecord::kLength> bytes,
                  ProductRecord& record);
void DecodeRecord(std::span<const unsigned char, ReceiptRowRecord::kLength> bytes,
                  ReceiptRowRecord& record);

}  // namespace kuitti
