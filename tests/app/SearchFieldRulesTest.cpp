// What the fields of "Etsi kuitti" let through as typed, the same rule in every toolkit.

#include <gtest/gtest.h>

#include "app/SearchFieldRules.h"

namespace kuitti::test {
namespace {

TEST(SearchFieldRules, EachFieldTakesWhatItsRuleLetsStandAndEveryBeginningOfIt) {
  struct Case {
    SearchField field;
    std::string text;
    bool stands;
  };
  const std::string fourteenDigits(14, '9');
  const Case cases[] = {
      {SearchField::kTotal, "", true},
      {SearchField::kTotal, "-", true},
      {SearchField::kTotal, "20,19", true},
      {SearchField::kTotal, "20.19", true},
      {SearchField::kTotal, "-0,0001", true},
      {SearchField::kTotal, ",5", true},
      {SearchField::kTotal, "20,", true},
      {SearchField::kTotal, fourteenDigits + ",1234", true},
      {SearchField::kTotal, fourteenDigits + "9", false},
      {SearchField::kTotal, "1,23456", false},
      {SearchField::kTotal, "1,2,3", false},
      {SearchField::kTotal, "1.2,3", false},
      {SearchField::kTotal, "--1", false},
      {SearchField::kTotal, "1-", false},
      {SearchField::kTotal, "+1", false},
      {SearchField::kTotal, " 1", false},
      {SearchField::kTotal, "1e3", false},
      {SearchField::kTotal, "\xd9\xa1", false},  // an Arabic-Indic one
      {SearchField::kNumber, "", true},
      {SearchField::kNumber, "0103871", true},
      {SearchField::kNumber, std::string(60, '0') + "1", true},
      {SearchField::kNumber, "M103871", false},
      {SearchField::kNumber, "103 871", false},
      {SearchField::kNumber, "-1", false},
      {SearchField::kProduct, "6410000000011", true},
      {SearchField::kProduct, " ab-7 ", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MayStand(c.field, c.text), c.stands)
        << static_cast<int>(c.field) << " \"" << c.text << '"';
    if (c.stands) {
      for (std::size_t length = 0; length < c.text.size(); ++length) {
        EXPECT_TRUE(MayStand(c.field, c.text.substr(0, length))) << c.text << " up to " << length;
      }
    }
  }
}

TEST(SearchFieldRules, TheNumberFieldKeepsAPastedVoucherAsItsDigits) {
  struct Case {
    SearchField field;
    std::string text;
    std::optional<std::string> kept;
  };
  const std::vector<Case> cases = {
      {SearchField::kNumber, "M104233-001", "104233"},
      {SearchField::kNumber, " m000100 ", "000100"},
      {SearchField::kNumber, "10423", "10423"},
      {SearchField::kNumber, "MAB12C4-001", std::nullopt},  // no digits to search by
      {SearchField::kNumber, "12M104233-001", std::nullopt},
      {SearchField::kTotal, "M104233-001", std::nullopt},
      {SearchField::kProduct, "M104233-001", "M104233-001"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeptText(c.field, c.text), c.kept) << c.text;
  }
}

}  // namespace
}  // namespace kuitti::test
