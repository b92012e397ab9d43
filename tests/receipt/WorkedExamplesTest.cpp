#include <gtest/gtest.h>

#include "support/Fetch.h"

namespace kuitti::test {
namespace {

const std::vector<Product> kMilk = {{"6410000000011", "MAITO"}};

Row MilkRow(std::string kind) {
  return Row{.kind = kind,
             .voucher = "123456",
             .rowNumber = "001",
             .productCode = "6410000000011",
             .priceRaw = 12500,
             .quantityRaw = 20000,
             .vatRate = 23};
}

TEST(WorkedExamples, ItemRowOfKindMFillsTheColumnsUnderTheHeader) {
  DataDirectory directory;
  directory.WriteAll(kMilk, {MilkRow("M")});
  const auto lines = Lines(FetchFrom(directory, "123456").value());
  ASSERT_GT(lines.size(), 6u);
  const std::string& row = lines[5];
  EXPECT_EQ(row, "6410000000011 001  MAITO                      23     2      1,25      2,50");
  EXPECT_EQ(row.size(), 74u);
  EXPECT_EQ(row.substr(46, 2), "23");    // columns 47-48
  EXPECT_EQ(row.substr(53, 1), "2");     // column 54
  EXPECT_EQ(row.substr(60, 4), "1,25");  // columns 61-64
  EXPECT_EQ(row.substr(70, 4), "2,50");  // columns 71-74
}

TEST(WorkedExamples, ItemRowOfKindAIsFortyThreeWide) {
  DataDirectory directory;
  directory.WriteAll(kMilk, {MilkRow("A")});
  const auto lines = Lines(FetchFrom(directory, "123456").value());
  const std::string& row = lines[5];
  EXPECT_EQ(row, "6410000000011  23     2      1,25      2,50");
  EXPECT_EQ(row.substr(15, 2), "23");
  EXPECT_EQ(row.substr(22, 1), "2");
  EXPECT_EQ(row.substr(29, 4), "1,25");
  EXPECT_EQ(row.substr(39, 4), "2,50");
}

}  // namespace
}  // namespace kuitti::test
