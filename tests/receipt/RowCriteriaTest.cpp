#include "receipt/RowCriteria.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "data/Records.h"

namespace kuitti::test {
namespace {

using Row = std::array<unsigned char, ReceiptRowRecord::kLength>;

Row WithProductField(const std::string& field) {
  Row row{};
  row[ReceiptRowRecord::kKind.offset] = 'M';
  std::copy(field.begin(), field.end(), row.begin() + ReceiptRowRecord::kProductCode.offset);
  return row;
}

// The first look of a search by product passes every totals row and every field that holds
// the code, whether the code has one place in its field, looked for as one word, or several.
TEST(RowCriteriaFirstSight, PassesEveryTotalsRowAndEveryFieldWithTheCode) {
  struct Case {
    std::string code;
    bool oneWord;  // one place in the field
  };
  const std::vector<std::string> others = {"6410000000028", "64100000     ", "   6410000000",
                                           "x            ", "             "};
  for (const Case& c : std::vector<Case>{
           {"6410000000011", true}, {"641000000001", false}, {"77", false}, {"", false}}) {
    const RowCriteria test({.productCode = c.code});
    EXPECT_EQ(test.ProductFirstWord().has_value(), c.oneWord) << c.code;
    std::vector<std::string> fields = others;
    for (const std::string& field : CodeFields(c.code, ReceiptRowRecord::kProductCode.width)) {
      fields.push_back(field);
    }
    for (const std::string& field : fields) {
      const Row row = WithProductField(field);
      const bool holdsCode = test.HasProduct(row.data()) || field == std::string(13, ' ');
      const bool general = test.MayMatterAtFirstSight(row.data());
      EXPECT_TRUE(general || !holdsCode) << c.code << " in '" << field << "'";
      if (const auto word = test.ProductFirstWord()) {
        EXPECT_EQ(RowCriteria::MayMatterAtFirstSight(row.data(), *word), general)
            << c.code << " in '" << field << "'";
      }
    }
  }
}

}  // namespace
}  // namespace kuitti::test
