#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "CodePage.h"
#include "DataFiles.h"
#include "Golden.h"
#include "Process.h"
#include "Utf8.h"

namespace kuitti::test {
namespace {

#ifdef KUITTI_SAMPLE_DATA_BINARY

// The bundled sample data, generated once for all tests of this file.
class SampleData : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    directory_ = new DataDirectory();
    const Outcome made =
        RunProgram(KUITTI_SAMPLE_DATA_BINARY, {{"--out", directory_->path().string()}, {}, ""});
    ASSERT_EQ(made.exitCode, 0) << made.err;
  }
  static void TearDownTestSuite() {
    delete directory_;
    directory_ = nullptr;
  }

  static Outcome Render(const std::string& entry) {
    return RunProgram(KUITTI_TEXT_BINARY,
                      {{"--data", directory_->path().string(), entry}, {"LC_ALL=fi_FI.UTF-8"}, ""});
  }

  static Outcome Find(std::vector<std::string> criteria) {
    criteria.insert(criteria.begin(), {"--data", directory_->path().string(), "--find"});
    return RunProgram(KUITTI_TEXT_BINARY, {std::move(criteria), {"LC_ALL=fi_FI.UTF-8"}, ""});
  }

  // The voucher numbers of every rendered row (kinds M, I and A in either case), decoded.
  static std::set<std::string> Vouchers() {
    const std::string rows = ReadFileBytes(directory_->path() / "CASSA.004");
    std::set<std::string> vouchers;
    for (std::size_t offset = 0; offset + 104 <= rows.size(); offset += 104) {
      const char kind = rows[offset];
      if (std::string_view("MIAmia").find(kind) == std::string_view::npos) {
        continue;
      }
      std::u32string voucher;
      for (std::size_t i = 1; i <= 6; ++i) {
        voucher += DecodeWindows1252(static_cast<unsigned char>(rows[offset + i]));
      }
      vouchers.insert(EncodeUtf8(voucher));
    }
    return vouchers;
  }

  static DataDirectory* directory_;
};

DataDirectory* SampleData::directory_ = nullptr;

TEST_F(SampleData, EveryVoucherRenders) {
  const std::set<std::string> vouchers = Vouchers();
  ASSERT_GE(vouchers.size(), 100u);
  const std::string closing(74, '=');
  for (const std::string& voucher : vouchers) {
    const Outcome outcome = Render(voucher);
    ASSERT_EQ(outcome.exitCode, 0) << "voucher " << voucher << ": " << outcome.err;
    EXPECT_EQ(outcome.err, "");
    EXPECT_TRUE(outcome.out.starts_with("Kuittikopio, tositenumero M" + voucher + "-001\r\n"))
        << voucher;
    EXPECT_TRUE(outcome.out.ends_with("\r\n" + closing)) << voucher;
  }
}

TEST_F(SampleData, CopiesOfThreeVouchers) {
  for (const char* voucher : {"103000", "103412", "103871"}) {
    const Outcome outcome = Render(voucher);
    EXPECT_EQ(outcome.exitCode, 0) << voucher << ": " << outcome.err;
    EXPECT_TRUE(MatchesGolden(outcome.out, std::string("sample_") + voucher + ".txt"));
  }
}

TEST_F(SampleData, FindListings) {
  struct Case {
    std::vector<std::string> criteria;
    std::string golden;
  };
  const std::vector<Case> cases = {
      {{"--date", "27.03.2025"}, "find_day.txt"},
      {{"--from", "2025-03-20", "--to", "27.03.2025"}, "find_day_range.txt"},
      {{"--product", "6461229914648", "--from", "01.03.2025", "--to", "31.03.2025"},
       "find_product_in_march.txt"},
      {{"--number", "103871"}, "find_two_totals.txt"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Find(c.criteria);
    EXPECT_EQ(outcome.exitCode, 0) << c.golden << ": " << outcome.err;
    EXPECT_TRUE(MatchesGolden(outcome.out, c.golden));
  }
  // Without criteria every totals row is listed: 3000 vouchers, one with two totals rows.
  EXPECT_EQ(std::ranges::count(Find({}).out, '\n'), 3002);
  // The total as the copy shows it finds a total of 20.1933.
  EXPECT_TRUE(Find({"--amount", "20,19"}).out.starts_with("M104233-001  27.03.2025"));
}

#else

TEST(SampleData, NeedsTheGenerator) {
  GTEST_SKIP() << "kuittikopio-sample-data is not built";
}

#endif

}  // namespace
}  // namespace kuitti::test
