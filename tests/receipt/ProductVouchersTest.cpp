#include "receipt/ProductVouchers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kuitti::test {
namespace {

const unsigned char* Bytes(const std::string& voucher) {
  return reinterpret_cast<const unsigned char*>(voucher.data());
}

// Totals rows decided in file order, against the product rows marked by then; a decision
// that a later product row overturns is found, for numbers of six digits and others alike.
TEST(ProductVouchers, TotalsRowsAreDecidedByTheProductRowsMarkedBefore) {
  struct Step {
    bool product;  // a product row marked, else a totals row decided
    std::string voucher;
    bool listed = false;  // for a totals row
  };
  struct Case {
    std::string what;
    std::vector<Step> steps;
    bool decidedTooEarly;
  };
  for (const std::string voucher : {"012345", "999999", "000000", " 12345", "12345 ", "A00001"}) {
    const std::string other = "012346";
    const std::vector<Case> cases = {
        {"product before totals", {{true, voucher}, {false, voucher, true}}, false},
        {"totals without a product", {{false, voucher, false}}, false},
        {"product of another voucher", {{true, other}, {false, voucher, false}}, false},
        {"product after totals", {{false, voucher, false}, {true, voucher}}, true},
        {"product after another's totals", {{false, other, false}, {true, voucher}}, false},
        {"two totals rows, the product between",
         {{false, voucher, false}, {true, voucher}, {false, voucher, true}},
         true},
        {"product twice", {{true, voucher}, {true, voucher}, {false, voucher, true}}, false},
    };
    for (const Case& c : cases) {
      ProductVouchers vouchers;
      for (const Step& step : c.steps) {
        if (step.product) {
          vouchers.MarkProduct(Bytes(step.voucher));
        } else {
          EXPECT_EQ(vouchers.DecideTotalsRow(Bytes(step.voucher)), step.listed)
              << c.what << ", voucher '" << voucher << "'";
        }
      }
      EXPECT_EQ(vouchers.DecidedTooEarly(), c.decidedTooEarly)
          << c.what << ", voucher '" << voucher << "'";
    }
  }
}

}  // namespace
}  // namespace kuitti::test
