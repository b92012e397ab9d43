#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "data/CodePage.h"
#include "data/LookUpProduct.h"
#include "data/OpenDataFiles.h"
#include "data/RuntimeError.h"
#include "support/DataFiles.h"
#include "support/ErrorNumber.h"
#include "support/Fetch.h"
#include "support/LoggingFileSystem.h"

namespace kuitti::test {
namespace {

template <std::size_t N>
std::u32string AsText(const TextField<N>& field) {
  return std::u32string(field.begin(), field.end());
}

TextField<13> Code(std::string_view utf8) {
  const Bytes bytes = Text(utf8, 13);
  TextField<13> field;
  for (std::size_t i = 0; i < 13; ++i) {
    field[i] = DecodeWindows1252(bytes[i]);
  }
  return field;
}

// The n-th index code of a sorted index: "00000000000" followed by 10 × n.
std::string IndexCode(int n) {
  std::string digits = std::to_string(10 * n);
  return std::string(13 - digits.size(), '0') + digits;
}

// A data directory with the index records given and one product per distinct product number
// named "TUOTE <number>", and the buffers a lookup reads into.
class LookUp {
 public:
  LookUp(const Bytes& index, int products) : fileSystem_(SystemFileSystem()) {
    Bytes productFile;
    for (int i = 1; i <= products; ++i) {
      Append(productFile, ProductRecordBytes("", "TUOTE " + std::to_string(i)));
    }
    directory_.Write("CASSA.001", index);
    directory_.Write("CASSA.002", productFile);
    directory_.Write("CASSA.004", {});
    directory_.Write("CASSA.005", {});
    files_ = OpenDataFiles(fileSystem_, directory_.DataPath());
    fileSystem_.ClearReads();
  }

  // Looks the code up and gives the index records probed.
  std::vector<std::int32_t> Find(std::string_view text) {
    code = Code(text);
    fileSystem_.ClearReads();
    Run();
    return fileSystem_.RecordsRead("CASSA.001", 18);
  }
  void Run() {
    result = LookUpProduct(*files_.productIndex, *files_.products, code, probe, product);
  }
  std::vector<std::int32_t> ProductsRead() const {
    return fileSystem_.RecordsRead("CASSA.002", 356);
  }
  std::u32string Name() const { return AsText(product.ProductName); }

  TextField<13> code{};
  ProductLookup result = ProductLookup::kNotInIndex;
  ProductIndexRecord probe;
  ProductRecord product;

 private:
  DataDirectory directory_;
  LoggingFileSystem fileSystem_;
  DataFiles files_;
};

// Record numbers first to last.
std::vector<std::int32_t> EveryRecord(int count) {
  std::vector<std::int32_t> numbers;
  for (int n = 1; n <= count; ++n) {
    numbers.push_back(n);
  }
  return numbers;
}

// Index records of the codes with their product numbers, in the order given.
Bytes Index(const std::vector<std::pair<std::string, std::int32_t>>& records) {
  Bytes index;
  for (const auto& [code, number] : records) {
    Append(index, IndexRecord(code, number));
  }
  return index;
}

Bytes SortedIndex(int count) {
  Bytes index;
  for (int n = 1; n <= count; ++n) {
    Append(index, IndexRecord(IndexCode(n), n));
  }
  return index;
}

std::u32string NameOf(int product) {
  std::u32string name = U"TUOTE ";
  for (char c : std::to_string(product)) {
    name += static_cast<char32_t>(c);
  }
  return name + std::u32string(25 - name.size(), U' ');
}

const std::u32string kBlankName(25, U' ');

TEST(LookUpProduct, ProbesOfSevenRecords) {
  struct Case {
    std::string code;
    std::vector<std::int32_t> probes;  // of the bisection
    int product;                       // 0 on a miss
  };
  const std::vector<Case> cases = {
      // Misses: 4, then 2 or 6, then one of 1, 3, 5, 7; three reads, then every record once.
      {"0000000000005", {4, 2, 1}, 0},
      {"0000000000015", {4, 2, 1}, 0},
      {"0000000000025", {4, 2, 3}, 0},
      {"0000000000035", {4, 2, 3}, 0},
      {"0000000000045", {4, 6, 5}, 0},
      {"0000000000055", {4, 6, 5}, 0},
      {"0000000000065", {4, 6, 7}, 0},
      {"0000000000075", {4, 6, 7}, 0},
      {"9999999999999", {4, 6, 7}, 0},
      {"             ", {4, 2, 1}, 0},
      // Hits stop at the matching record.
      {"0000000000040", {4}, 4},
      {"0000000000020", {4, 2}, 2},
      {"0000000000060", {4, 6}, 6},
      {"0000000000010", {4, 2, 1}, 1},
      {"0000000000030", {4, 2, 3}, 3},
      {"0000000000050", {4, 6, 5}, 5},
      {"0000000000070", {4, 6, 7}, 7},
  };
  LookUp lookUp(SortedIndex(7), 7);
  for (const Case& c : cases) {
    std::vector<std::int32_t> probes = c.probes;
    if (c.product == 0) {
      const std::vector<std::int32_t> pass = EveryRecord(7);
      probes.insert(probes.end(), pass.begin(), pass.end());
    }
    EXPECT_EQ(lookUp.Find(c.code), probes) << c.code;
    EXPECT_EQ(lookUp.result, c.product == 0 ? ProductLookup::kNotInIndex : ProductLookup::kFound);
    if (c.product == 0) {
      EXPECT_TRUE(lookUp.ProductsRead().empty()) << c.code;
      EXPECT_EQ(lookUp.Name(), kBlankName) << c.code;
    } else {
      EXPECT_EQ(lookUp.ProductsRead(), std::vector<std::int32_t>{c.product}) << c.code;
      EXPECT_EQ(lookUp.Name(), NameOf(c.product));
    }
  }
}

TEST(LookUpProduct, AHitReadsAtMostFloorLog2NPlusOneIndexRecordsAndAMissEachOnceMore) {
  for (int n = 1; n <= 40; ++n) {
    LookUp lookUp(SortedIndex(n), n);
    const auto limit = static_cast<std::size_t>(std::floor(std::log2(n))) + 1;
    for (int k = 0; k <= n; ++k) {
      // The code of record k (a hit) and one between records k and k + 1 (a miss).
      const std::string hit = IndexCode(k);
      const std::string miss = hit.substr(0, 12) + "5";
      for (const std::string& code : {hit, miss}) {
        const auto probes = lookUp.Find(code);
        const bool isHit = k >= 1 && code == hit;
        EXPECT_LE(probes.size(), isHit ? limit : limit + n) << n << " records, code " << code;
        EXPECT_FALSE(probes.empty());
        EXPECT_EQ(lookUp.ProductsRead().size(), isHit ? 1u : 0u) << n << " records, " << code;
        if (isHit) {
          EXPECT_EQ(probes.back(), k);
          EXPECT_EQ(lookUp.Name(), NameOf(k));
        }
      }
    }
  }
}

TEST(LookUpProduct, HitReadsTheProductNamedByTheIndexRecord) {
  // The index position and the product record number differ.
  Bytes index = Index({{"1000000000000", 3}, {"2000000000000", 1}, {"3000000000000", 2}});
  LookUp lookUp(index, 3);
  struct Case {
    std::string code;
    int product;
  };
  for (const Case& c :
       std::vector<Case>{{"1000000000000", 3}, {"2000000000000", 1}, {"3000000000000", 2}}) {
    lookUp.Find(c.code);
    EXPECT_EQ(lookUp.ProductsRead(), std::vector<std::int32_t>{c.product});
    EXPECT_EQ(lookUp.Name(), NameOf(c.product)) << c.code;
    EXPECT_EQ(lookUp.probe.ProductRecordNumber, c.product);
  }
}

TEST(LookUpProduct, AMissGivesABlankNameWhateverWasFoundBefore) {
  Bytes index = Index({{"1000000000000", 2}, {"Abc          ", 1}});
  LookUp lookUp(index, 2);

  // Before any hit, and after one.
  lookUp.Find("0000000000000");
  EXPECT_EQ(lookUp.Name(), kBlankName);
  // Codes that differ only in case or in leading spaces do not match; all 13 characters
  // count, and a NUL is not a space.
  for (std::string code : {"abc          ", "ABC          ", " Abc         ", " 1000000000000",
                           "100000000000 ", "1000000000001"}) {
    const std::string code13 = code.substr(0, 13);
    lookUp.Find("1000000000000");
    ASSERT_EQ(lookUp.Name(), NameOf(2));
    lookUp.Find(code13);
    EXPECT_TRUE(lookUp.ProductsRead().empty()) << "[" << code13 << "]";
    EXPECT_EQ(lookUp.Name(), kBlankName) << "[" << code13 << "]";
  }
  lookUp.Find("1000000000000");
  lookUp.code = Code("Abc");
  lookUp.code[12] = U'\0';
  lookUp.Run();
  EXPECT_EQ(lookUp.Name(), kBlankName);

  // Trailing spaces are part of the code and match when equal.
  lookUp.Find("Abc          ");
  EXPECT_EQ(lookUp.Name(), NameOf(1));
}

TEST(LookUpProduct, EmptyOrTooShortIndexReadsNothing) {
  for (std::size_t length : {0, 1, 9, 17}) {
    LookUp lookUp(Bytes(length, '0'), 1);
    lookUp.product.ProductName.fill(U'x');
    lookUp.probe.ProductRecordNumber = 77;
    EXPECT_TRUE(lookUp.Find("0000000000000").empty()) << length << " bytes";
    EXPECT_EQ(lookUp.Name(), kBlankName) << length << " bytes";
    EXPECT_EQ(lookUp.probe.ProductRecordNumber, 77);
  }
  LookUp single(SortedIndex(1), 1);
  EXPECT_EQ(single.Find("0000000000099"), (std::vector<std::int32_t>{1, 1}));
}

TEST(LookUpProduct, WithEqualCodesTheSearchStopsAtWhicheverItProbesFirst) {
  Bytes index = Index({{"1000000000000", 1},
                       {"5000000000000", 2},
                       {"5000000000000", 3},
                       {"5000000000000", 4},
                       {"9000000000000", 5}});
  LookUp duplicates(index, 5);
  EXPECT_EQ(duplicates.Find("5000000000000"), std::vector<std::int32_t>{3});
  EXPECT_EQ(duplicates.Name(), NameOf(3));
}

// A till that appends new products leaves its index unsorted: a code the bisection misses is
// looked for from the first record to the last, and the first record holding it counts.
TEST(LookUpProduct, AnUnsortedIndexStillNamesTheProduct) {
  const std::vector<std::string> sorted = {"1000000000000", "2000000000000", "3000000000000",
                                           "5000000000000", "6000000000000", "7000000000000",
                                           "9000000000000"};
  // Record 4 holds 9 among 1 2 3 _ 5 6 7: the bisection for 5 turns left there.
  const std::vector<std::string> unsorted = {"1000000000000", "2000000000000", "3000000000000",
                                             "9000000000000", "5000000000000", "6000000000000",
                                             "7000000000000"};
  // Sorted, then a product added at the end, sorting first.
  std::vector<std::string> appended = sorted;
  appended.push_back("0500000000000");
  // The same code twice where the bisection misses both: the first one counts.
  const std::vector<std::string> twice = {"9000000000000", "4000000000000", "8000000000000",
                                          "4000000000000", "7000000000000"};
  struct Case {
    std::vector<std::string> index;
    std::string code;
    ProductLookup result;
    int product;        // the index record whose product is named; 0 for none
    std::size_t reads;  // of index records: the bisection's, then the pass's if it misses
  };
  const std::vector<Case> cases = {
      {sorted, "5000000000000", ProductLookup::kFound, 4, 1},
      {sorted, "4000000000000", ProductLookup::kNotInIndex, 0, 3 + 7},
      {unsorted, "5000000000000", ProductLookup::kFound, 5, 3 + 5},
      {unsorted, "9000000000000", ProductLookup::kFound, 4, 1},
      {unsorted, "4000000000000", ProductLookup::kNotInIndex, 0, 3 + 7},
      {appended, "0500000000000", ProductLookup::kFound, 8, 3 + 8},
      {appended, "9000000000000", ProductLookup::kFound, 7, 3},
      {twice, "4000000000000", ProductLookup::kFound, 2, 2 + 2},
  };
  for (const Case& c : cases) {
    std::vector<std::pair<std::string, std::int32_t>> records;
    for (std::size_t i = 0; i < c.index.size(); ++i) {
      records.emplace_back(c.index[i], static_cast<std::int32_t>(i + 1));
    }
    LookUp lookUp(Index(records), static_cast<int>(c.index.size()));
    lookUp.Find("1000000000000");
    EXPECT_EQ(lookUp.Find(c.code).size(), c.reads) << c.code;
    EXPECT_EQ(lookUp.result, c.result) << c.code;
    EXPECT_EQ(lookUp.Name(), c.product == 0 ? kBlankName : NameOf(c.product)) << c.code;
  }
}

TEST(LookUpProduct, CodesCompareByCharacterCode) {
  // Space < digits < upper case < lower case < Windows-1252 letters (Ä is U+00C4, € is
  // U+20AC although its byte 0x80 is below Ä's 0xC4).
  const std::vector<std::string> sorted = {"      1      ", "0            ", "A            ",
                                           "a            ", "Ä            ", "ä            ",
                                           "€            "};
  Bytes index;
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    Append(index, IndexRecord(sorted[i], static_cast<std::int32_t>(i + 1)));
  }
  LookUp lookUp(index, static_cast<int>(sorted.size()));
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    lookUp.Find(sorted[i]);
    EXPECT_EQ(lookUp.ProductsRead(), std::vector<std::int32_t>{static_cast<std::int32_t>(i + 1)})
        << "[" << sorted[i] << "]";
  }
}

TEST(LookUpProduct, APartialLastIndexRecordIsNeverProbed) {
  // n whole records and part of one more, whose code sorts after them all: the search ends
  // at record n, so a code only the partial record holds is a miss.
  const Bytes last = IndexRecord("9999999999999", 1);
  for (int n = 0; n <= 4; ++n) {
    for (long extra : {1, 9, 10, 17}) {
      Bytes index = SortedIndex(n);
      index.insert(index.end(), last.begin(), last.begin() + extra);
      LookUp lookUp(index, std::max(n, 1));
      const std::vector<std::int32_t> probes = lookUp.Find("9999999999999");
      EXPECT_EQ(probes.empty(), n == 0) << n << " records + " << extra << " bytes";
      for (std::int32_t probe : probes) {
        EXPECT_LE(probe, n) << n << " records + " << extra << " bytes";
      }
      EXPECT_TRUE(lookUp.ProductsRead().empty()) << n << " records + " << extra << " bytes";
      EXPECT_EQ(lookUp.Name(), kBlankName) << n << " records + " << extra << " bytes";
    }
  }
}

TEST(LookUpProduct, ProductNumberPastTheEndReadsZeroBytes) {
  Bytes index = Index({{"1000000000000", 1}, {"2000000000000", 40}});
  LookUp lookUp(index, 1);
  lookUp.Find("1000000000000");
  ASSERT_EQ(lookUp.Name(), NameOf(1));
  lookUp.Find("2000000000000");
  EXPECT_EQ(lookUp.result, ProductLookup::kPastTheProducts);
  EXPECT_EQ(lookUp.ProductsRead(), std::vector<std::int32_t>{40});
  EXPECT_EQ(lookUp.Name(), std::u32string(25, U'\0'));
}

TEST(LookUpProduct, NoCachingBetweenCalls) {
  // Every lookup reads the index anew, so a file changed between lookups is seen.
  DataDirectory directory;
  directory.WriteProducts({{"1000000000000", "VANHA"}});
  directory.Write("CASSA.004", {});
  directory.Write("CASSA.005", {});
  const DataFiles files = OpenDataFiles(SystemFileSystem(), directory.DataPath());
  const TextField<13> code = Code("1000000000000");
  ProductIndexRecord probe;
  ProductRecord product;
  LookUpProduct(*files.productIndex, *files.products, code, probe, product);
  EXPECT_EQ(AsText(product.ProductName).substr(0, 5), U"VANHA");
  directory.WriteProducts({{"1000000000000", "UUSI"}});
  LookUpProduct(*files.productIndex, *files.products, code, probe, product);
  EXPECT_EQ(AsText(product.ProductName).substr(0, 5), U"UUSI ");
}

}  // namespace
}  // namespace kuitti::test
