#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "data/CodePage.h"
#include "data/PickedRecordScanner.h"
#include "data/RecordFile.h"
#include "data/Records.h"
#include "data/RuntimeError.h"
#include "support/DataFiles.h"
#include "support/ErrorNumber.h"
#include "support/MemoryFile.h"

namespace kuitti::test {
namespace {

template <std::size_t N>
std::u32string AsText(const TextField<N>& field) {
  return std::u32string(field.begin(), field.end());
}

Bytes Filled(std::size_t size, unsigned char value) {
  return Bytes(size, value);
}

TEST(ProductIndexRecordDecoding, FieldsComeFromTheirOffsets) {
  // The index record of the product 1234567890123 whose record in CASSA.002 is number 5.
  const Bytes bytes = {0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39,
                       0x30, 0x31, 0x32, 0x33, 0x05, 0x00, 0x00, 0x00, 0x20};
  MemoryFile file(bytes);
  ProductIndexRecord record;
  ReadRecord(file, 1, record);
  EXPECT_EQ(AsText(record.ProductCode), U"1234567890123");
  EXPECT_EQ(record.ProductRecordNumber, 5);

  struct Case {
    Bytes number;
    std::int32_t expected;
  };
  for (const Case& c : std::vector<Case>{{{0x78, 0x56, 0x34, 0x12}, 0x12345678},
                                         {{0xFF, 0xFF, 0xFF, 0xFF}, -1},
                                         {{0x00, 0x00, 0x00, 0x80}, INT32_MIN},
                                         {{0xFF, 0xFF, 0xFF, 0x7F}, INT32_MAX}}) {
    Bytes record2 = Text("ABC  abc     ", 13);
    Append(record2, c.number);
    record2.push_back(0xFF);
    MemoryFile other(record2);
    ReadRecord(other, 1, record);
    EXPECT_EQ(record.ProductRecordNumber, c.expected);
    // Trailing spaces stay part of the code.
    EXPECT_EQ(AsText(record.ProductCode), U"ABC  abc     ");
  }
}

TEST(ProductRecordDecoding, NameIsTheTwentyFiveCharactersAtOffsetThirteen) {
  Bytes bytes = Filled(13, 0xAA);
  Append(bytes, {'K', 0xC4, 'R', 'R', 'Y', 'P', 0xD6, 'Y', 'T', 0xC4, ' ', 0xE5, 0xE4, 0xF6});
  Append(bytes, Filled(11, ' '));
  bytes.resize(ProductRecord::kLength, 0xBB);
  // Record 5 of CASSA.002 occupies bytes 1424 to 1779.
  Bytes file = Filled(4 * ProductRecord::kLength, 0xCC);
  Append(file, bytes);
  ASSERT_EQ(file.size(), 1780u);
  MemoryFile products(file);
  ProductRecord record;
  ReadRecord(products, 5, record);
  EXPECT_EQ(AsText(record.ProductName), U"KÄRRYPÖYTÄ åäö           ");
}

TEST(ProductRecordDecoding, TextIsWindows1252) {
  struct Case {
    unsigned char byte;
    char32_t character;
  };
  const std::vector<Case> cases = {
      {0x00, U'\0'},
      {0x1F, 0x1F},
      {0x41, U'A'},
      {0x7F, 0x7F},
      {0x80, U'€'},
      {0x82, U'‚'},
      {0x83, U'ƒ'},
      {0x84, U'„'},
      {0x85, U'…'},
      {0x86, U'†'},
      {0x87, U'‡'},
      {0x88, U'ˆ'},
      {0x89, U'‰'},
      {0x8A, U'Š'},
      {0x8B, U'‹'},
      {0x8C, U'Œ'},
      {0x8E, U'Ž'},
      {0x91, U'‘'},
      {0x92, U'’'},
      {0x93, U'“'},
      {0x94, U'”'},
      {0x95, U'•'},
      {0x96, U'–'},
      {0x97, U'—'},
      {0x98, U'˜'},
      {0x99, U'™'},
      {0x9A, U'š'},
      {0x9B, U'›'},
      {0x9C, U'œ'},
      {0x9E, U'ž'},
      {0x9F, U'Ÿ'},
      // The five bytes the code page leaves unassigned keep their value.
      {0x81, 0x81},
      {0x8D, 0x8D},
      {0x8F, 0x8F},
      {0x90, 0x90},
      {0x9D, 0x9D},
      {0xA0, 0xA0},
      {0xA4, U'¤'},
      {0xC5, U'Å'},
      {0xC4, U'Ä'},
      {0xD6, U'Ö'},
      {0xE5, U'å'},
      {0xE4, U'ä'},
      {0xF6, U'ö'},
      {0xFF, U'ÿ'},
  };
  for (const Case& c : cases) {
    Bytes bytes(ProductRecord::kLength, ' ');
    bytes[13] = c.byte;
    bytes[37] = c.byte;
    MemoryFile file(bytes);
    ProductRecord record;
    ReadRecord(file, 1, record);
    EXPECT_EQ(record.ProductName[0], c.character) << "byte " << int(c.byte);
    EXPECT_EQ(record.ProductName[24], c.character) << "byte " << int(c.byte);
    EXPECT_EQ(record.ProductName[1], U' ');
  }
}

TEST(ReceiptRowRecordDecoding, EveryFieldFromItsOffset) {
  Bytes bytes;
  bytes.push_back('i');                                             // 0 Kind
  Append(bytes, {'A', '1', 'b', '2', 0xC4, ' '});                   // 1 VoucherNumber
  Append(bytes, {'0', '0', '7'});                                   // 7 RowNumber
  Append(bytes, {0, 0, 0, 0, 0, 0, 0xFC, 0x3F});                    // 10 SaleTime 1.75
  Append(bytes, Filled(11, 0xEE));                                  // 18..28 not read
  Append(bytes, Text("6410000000011", 13));                         // 29 ProductCode
  Append(bytes, Filled(8, 0xEE));                                   // 42 not read
  Append(bytes, {0xD4, 0x30, 0, 0, 0, 0, 0, 0});                    // 50 Price 1.25
  Append(bytes, {0x78, 0xEC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});  // 58 Quantity -0.5
  Append(bytes, Filled(16, 0xEE));                                  // 66..81 not read
  Append(bytes, {0xFB, 0xFF});                                      // 82 VatRate -5
  Append(bytes, Filled(20, 0xEE));                                  // 84..103 not read
  ASSERT_EQ(bytes.size(), 104u);

  MemoryFile file(bytes);
  ReceiptRowRecord row;
  ReadRecord(file, 1, row);
  EXPECT_EQ(AsText(row.Kind), U"i");
  EXPECT_EQ(AsText(row.VoucherNumber), U"A1b2Ä ");
  EXPECT_EQ(AsText(row.RowNumber), U"007");
  EXPECT_EQ(row.SaleTime, 1.75);
  EXPECT_EQ(AsText(row.ProductCode), U"6410000000011");
  EXPECT_EQ(row.Price.raw(), 12500);
  EXPECT_EQ(row.Quantity.raw(), -5000);
  EXPECT_EQ(row.VatRate, -5);
}

TEST(ReceiptRowRecordDecoding, NumbersAcrossTheirRange) {
  struct Case {
    Bytes saleTime;
    double expectedTime;
    Bytes currency;
    std::int64_t expectedRaw;
    Bytes vatRate;
    std::int16_t expectedVat;
  };
  const std::vector<Case> cases = {
      {{0, 0, 0, 0, 0, 0, 0xE0, 0x3F},
       0.5,
       {0, 0, 0, 0, 0, 0, 0, 0x80},
       INT64_MIN,
       {0x18, 0x00},
       24},
      {{0, 0, 0, 0, 0, 0, 0, 0},
       0.0,
       {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
       INT64_MAX,
       {0x00, 0x80},
       INT16_MIN},
      {{0, 0, 0, 0, 0xD0, 0xD5, 0xE1, 0x40},
       36526.5,
       {1, 2, 3, 4, 5, 6, 7, 8},
       0x0807060504030201,
       {0xFF, 0x7F},
       INT16_MAX},
  };
  for (const Case& c : cases) {
    Bytes bytes(104, 0);
    std::copy(c.saleTime.begin(), c.saleTime.end(), bytes.begin() + 10);
    std::copy(c.currency.begin(), c.currency.end(), bytes.begin() + 50);
    std::copy(c.currency.begin(), c.currency.end(), bytes.begin() + 58);
    std::copy(c.vatRate.begin(), c.vatRate.end(), bytes.begin() + 82);
    MemoryFile file(bytes);
    ReceiptRowRecord row;
    ReadRecord(file, 1, row);
    EXPECT_EQ(row.SaleTime, c.expectedTime);
    EXPECT_EQ(row.Price.raw(), c.expectedRaw);
    EXPECT_EQ(row.Quantity.raw(), c.expectedRaw);
    EXPECT_EQ(row.VatRate, c.expectedVat);
  }
}

TEST(ReceiptRowRecordDecoding, RecordThreeStartsAtByte208) {
  Bytes file(3 * 104, '.');
  const Bytes code = Text("3333333333333", 13);
  std::copy(code.begin(), code.end(), file.begin() + 237);  // bytes 237 to 249
  file[208] = 'A';
  MemoryFile rows(file);
  ReceiptRowRecord row;
  ReadRecord(rows, 3, row);
  EXPECT_EQ(AsText(row.ProductCode), U"3333333333333");
  EXPECT_EQ(AsText(row.Kind), U"A");
  ReadRecord(rows, 2, row);
  EXPECT_EQ(AsText(row.ProductCode), U".............");
}

TEST(RecordCount, WholeRecordsOnly) {
  struct Case {
    std::int64_t length;
    int recordLength;
    std::int32_t expected;
  };
  std::vector<Case> cases = {
      {0, 18, 0},
      {17, 18, 0},
      {18, 18, 1},
      {0, 104, 0},
      {103, 104, 0},
      {104, 104, 1},
      {43, 43, 1},
      {42, 43, 0},
      {356, 356, 1},
      {711, 356, 1},
      // The largest counts: 2^31 - 1 records fit, also with a partial record after them.
      {18LL * INT32_MAX, 18, INT32_MAX},
      {18LL * INT32_MAX + 17, 18, INT32_MAX},
  };
  // n whole records and a partial one of up to its last byte short, which a rounding count
  // would take in from half a record on.
  for (std::int64_t n = 0; n < 6; ++n) {
    for (std::int64_t partial : {0, 1, 52, 53, 103}) {
      cases.push_back({104 * n + partial, 104, static_cast<std::int32_t>(n)});
    }
    for (std::int64_t partial : {0, 1, 8, 9, 10, 17}) {
      cases.push_back({18 * n + partial, 18, static_cast<std::int32_t>(n)});
    }
  }
  for (const Case& c : cases) {
    MemoryFile file(Bytes{}, c.length);
    EXPECT_EQ(RecordCount(file, c.recordLength), c.expected)
        << c.length << " bytes of records of " << c.recordLength;
  }
  MemoryFile tooLong(Bytes{}, 18LL * (1LL << 31));
  EXPECT_EQ(ErrorNumberOf([&] { RecordCount(tooLong, 18); }), kOverflow);
}

TEST(ReadRecord, BytesBeyondTheEndReadAsZero) {
  DataDirectory directory;
  // One whole index record and ten bytes of a second, which is not counted but reads by
  // its number.
  Bytes bytes = IndexRecord("0000000000001", 7);
  Append(bytes, Text("ABCDEFGHIJ", 10));
  directory.Write("CASSA.001", bytes);
  auto file = SystemFileSystem().OpenShared(directory.DataPath() + "CASSA.001");
  ASSERT_EQ(RecordCount(*file, 18), 1);

  ProductIndexRecord record;
  ReadRecord(*file, 2, record);
  EXPECT_EQ(AsText(record.ProductCode), std::u32string(U"ABCDEFGHIJ") + std::u32string(3, U'\0'));
  EXPECT_EQ(record.ProductRecordNumber, 0);

  // A record wholly past the end replaces every field with zero.
  ReadRecord(*file, 1, record);
  ReadRecord(*file, 50, record);
  EXPECT_EQ(AsText(record.ProductCode), std::u32string(13, U'\0'));
  EXPECT_EQ(record.ProductRecordNumber, 0);

  ReceiptRowRecord row;
  row.Price = Currency::FromRaw(1);
  row.SaleTime = 3;
  row.VatRate = 9;
  MemoryFile empty(Bytes{});
  ReadRecord(empty, INT32_MAX, row);
  EXPECT_EQ(AsText(row.Kind), std::u32string(1, U'\0'));
  EXPECT_EQ(row.Price.raw(), 0);
  EXPECT_EQ(row.Quantity.raw(), 0);
  EXPECT_EQ(row.SaleTime, 0.0);
  EXPECT_EQ(row.VatRate, 0);
}

TEST(ReadRecord, NumberBelowOneIsBadRecordNumber) {
  MemoryFile file(Bytes(36, '1'));
  for (std::int32_t n : {0, -1, INT32_MIN}) {
    ProductIndexRecord record;
    record.ProductRecordNumber = 42;
    const RaisedError error = ErrorOf([&] { ReadRecord(file, n, record); });
    EXPECT_EQ(error.number, 63) << "record " << n << " was read";
    EXPECT_EQ(error.description, "Virheellinen tietuenumero");
    EXPECT_EQ(record.ProductRecordNumber, 42) << "the buffer keeps what it held";
  }
}

using Record = std::array<unsigned char, 104>;

PickedRecordScanner<Record> EveryRecord(RandomAccessFile& file, std::int32_t count,
                                        std::size_t block) {
  return {file, 104, count,
          [](std::span<const unsigned char> records, std::int64_t, std::vector<Record>& kept) {
            for (std::size_t at = 0; at < records.size(); at += 104) {
              std::copy_n(records.begin() + static_cast<std::ptrdiff_t>(at), 104,
                          kept.emplace_back().begin());
            }
          },
          block};
}

// The builder reads CASSA.004 in blocks; whatever the block size, it must see exactly the
// records that reading them one by one gives, and none of a partial last record.
TEST(PickedRecordScanner, YieldsTheSameRecordsAsReadingOneByOne) {
  Bytes file;
  for (int i = 0; i < 7; ++i) {
    for (int b = 0; b < 104; ++b) {
      file.push_back(static_cast<unsigned char>(i * 31 + b + 1));
    }
  }
  for (std::size_t length : {std::size_t{0}, std::size_t{52}, std::size_t{53}, std::size_t{104},
                             std::size_t{6 * 104 + 60}, std::size_t{7 * 104}}) {
    MemoryFile source(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length)));
    const std::int32_t count = RecordCount(source, 104);
    for (std::size_t block : {1, 50, 103, 104, 105, 200, 208, 1 << 20}) {
      PickedRecordScanner<Record> scanner = EveryRecord(source, count, block);
      for (std::int32_t n = 1; n <= count; ++n) {
        const Record* record = scanner.Next();
        ASSERT_NE(record, nullptr) << "record " << n << " of " << count;
        Record expected;
        ReadRecordBytes(source, n, expected);
        EXPECT_EQ(*record, expected)
            << "record " << n << ", " << length << " bytes, block " << block;
      }
      EXPECT_EQ(scanner.Next(), nullptr);
    }
  }
}

TEST(PickedRecordScanner, StopsAtTheCountEvenWhenTheFileIsLonger) {
  Bytes file(5 * 104, 'x');
  MemoryFile source(file);
  PickedRecordScanner<Record> scanner = EveryRecord(source, 2, 104);
  EXPECT_NE(scanner.Next(), nullptr);
  EXPECT_NE(scanner.Next(), nullptr);
  EXPECT_EQ(scanner.Next(), nullptr);
}

}  // namespace
}  // namespace kuitti::test
