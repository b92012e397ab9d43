#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "Currency.h"

namespace kuitti {

// Text of a fixed number of characters, decoded from the Windows-1252 bytes of a field and
// kept whole, trailing spaces and NULs included.
template <std::size_t N>
using TextField = std::array<char32_t, N>;

// The record layouts of the point-of-sale files. Records follow each other with no header;
// fields follow each other with no gaps; integers are little-endian.

// CASSA.001, the product index, sorted by ProductCode.
//   0  text 13     ProductCode
//  13  int32       ProductRecordNumber (from 1, into CASSA.002)
//  17  text 1      (not read)
struct ProductIndexRecord {
  static constexpr int kLength = 18;
  TextField<13> ProductCode{};
  std::int32_t ProductRecordNumber = 0;
};

// CASSA.002, the products; of its 27 fields only the name is read.
//   0  text 13     (not read)
//  13  text 25     ProductName
//  38..355         (not read)
struct ProductRecord {
  static constexpr int kLength = 356;
  TextField<25> ProductName{};
};

// CASSA.004, the receipt rows of every receipt.
//   0  text 1      Kind
//   1  text 6      VoucherNumber
//   7  text 3      RowNumber
//  10  double      SaleTime (day value)
//  18..28          (not read)
//  29  text 13     ProductCode (all spaces on the totals row)
//  42  8 bytes     (not read)
//  50  Currency    Price (totals row: the receipt's total)
//  58  Currency    Quantity (totals row: the rounding)
//  66..81          (not read)
//  82  int16       VatRate
//  84..103         (not read)
struct ReceiptRowRecord {
  static constexpr int kLength = 104;
  static constexpr int kKindOffset = 0;
  static constexpr int kVoucherNumberOffset = 1;
  static constexpr int kVoucherNumberWidth = 6;

  TextField<1> Kind{};
  TextField<6> VoucherNumber{};
  TextField<3> RowNumber{};
  double SaleTime = 0;
  TextField<13> ProductCode{};
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
