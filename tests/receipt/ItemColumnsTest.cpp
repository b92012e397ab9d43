#include <gtest/gtest.h>

#include <string>

#include "receipt/AmountText.h"
#include "receipt/ItemColumns.h"

namespace kuitti::test {
namespace {

// The quantity's sign and digits are never lost to the VAT rate while the price leaves room,
// and the columns after it keep their place.
TEST(ItemColumns, ALongQuantityTakesThePricesPaddingNotTheRatesDigits) {
  const std::string rowSum = "12,22";
  for (const std::string quantity : {"1,234", "-1,23", "12,345", "-1,234", "-12,345", "100,125",
                                     "-1,2682", "1234,567", "-123,456"}) {
    for (const std::string price :
         {"9,90", "19,90", "199,90", "1999,90", "19999,90", "199999,90", "1999999,90"}) {
      SCOPED_TRACE("quantity " + quantity + ", price " + price);
      const std::string columns = ItemColumns("14", quantity, price, rowSum);
      ASSERT_EQ(columns.size(), 29u);
      EXPECT_TRUE(columns.starts_with(" 14")) << columns;
      EXPECT_TRUE(columns.ends_with(RightAligned(rowSum, 10))) << columns;
      // The price keeps its right edge, in column 19 of these.
      const std::size_t priceStart = 19 - price.size();
      EXPECT_EQ(columns.substr(priceStart, price.size()), price) << columns;
      const std::string between = columns.substr(3, priceStart - 3);
      if (quantity.size() <= 5) {
        // As ever: the quantity right-aligned in six columns, the price in ten.
        EXPECT_EQ(columns.substr(3, 16), RightAligned(quantity, 6) + RightAligned(price, 10));
      } else if (price.size() < 10) {
        // A space before the price; the quantity whole after a space where the price leaves
        // room, otherwise as many of its last characters as there is room for.
        EXPECT_TRUE(between.ends_with(" ")) << columns;
        const std::size_t first = between.find_first_not_of(' ');
        const std::string shown = between.substr(first, between.find(' ', first) - first);
        if (quantity.size() + price.size() + 2 <= 16) {
          EXPECT_EQ(shown, quantity) << columns;
          EXPECT_GT(first, 0u) << columns;
        } else {
          EXPECT_TRUE(quantity.ends_with(shown)) << columns;
          EXPECT_EQ(shown.size(), between.size() - 1) << columns;
        }
      } else {
        // A price of ten characters leaves nothing: the columns stand as ever.
        EXPECT_EQ(between, RightAligned(quantity, 6)) << columns;
      }
    }
  }
  EXPECT_EQ(ItemColumns("14", "-12,345", "9,90", "-122,22"), " 14 -12,345    9,90   -122,22");
  EXPECT_EQ(ItemColumns("14", "12,345", "9,90", "122,22"), " 14 12,345     9,90    122,22");
}

}  // namespace
}  // namespace kuitti::test
