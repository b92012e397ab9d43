#include <gtest/gtest.h>

#include "app/PrintedVoucher.h"

namespace kuitti::test {
namespace {

TEST(PrintedVoucher, TheHeadingsFormGivesItsSixCharactersAndNothingElseDoes) {
  struct Case {
    std::string entry;
    std::optional<std::string> voucher;
  };
  const std::vector<Case> cases = {
      {"M104233-001", "104233"},
      {"m104233-001", "104233"},
      {"M104233", "104233"},
      {"  M104233-001 ", "104233"},
      {"MAB12C4-001", "AB12C4"},
      {"MÄÖ€123", "ÄÖ€123"},
      // Six characters are a voucher number as typed, letters and all.
      {"M10423", std::nullopt},
      {"104233", std::nullopt},
      {"M12345", std::nullopt},
      // Neither seven characters with the M, nor the form's suffix.
      {"M1042334", std::nullopt},
      {"M104233-002", std::nullopt},
      {"M104233-001-001", std::nullopt},
      {"M104233 -001", std::nullopt},
      {"X104233-001", std::nullopt},
      {"M 04233-001", std::nullopt},
      {"M10\t233", std::nullopt},
      {"", std::nullopt},
      {"-001", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VoucherOfPrintedNumber(c.entry), c.voucher) << "[" << c.entry << "]";
  }
}

}  // namespace
}  // namespace kuitti::test
