#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "cli/copies/CopyBundle.h"
#include "support/DataFiles.h"
#include "support/Golden.h"
#include "support/Process.h"

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

  static std::vector<std::string> Vouchers() {
    return RenderedVouchers(ReadFileBytes(directory_->path() / "CASSA.004"));
  }

  static DataDirectory* directory_;
};

DataDirectory* SampleData::directory_ = nullptr;

#ifdef KUITTI_LINUX_SAMPLE_COPIES

// The copies the Linux program makes of every sample voucher, by voucher.
std::map<std::string, BundledCopy> LinuxCopies() {
  std::map<std::string, BundledCopy> copies;
  for (BundledCopy& copy : ReadBundle(ReadFileBytes(KUITTI_LINUX_SAMPLE_COPIES))) {
    copies.emplace(copy.voucher, std::move(copy));
  }
  return copies;
}

testing::AssertionResult SameAsOnLinux(const BundledCopy& copy,
                                       const std::map<std::string, BundledCopy>& linux) {
  const auto expected = linux.find(copy.voucher);
  if (expected == linux.end()) {
    return testing::AssertionFailure() << "voucher " << copy.voucher << ": no Linux copy";
  }
  if (copy.status != expected->second.status) {
    return testing::AssertionFailure() << "voucher " << copy.voucher << ": exit status "
                                       << copy.status << ", on Linux " << expected->second.status;
  }
  return SameText(copy.copy, expected->second.copy, "the copy of voucher " + copy.voucher);
}

// Every voucher renders, and the Linux copies are the whole copies: the heading and the
// closing line of each, in a stream that holds each voucher once.
TEST_F(SampleData, TheLinuxCopiesHoldEveryVoucherWhole) {
  const std::map<std::string, BundledCopy> linux = LinuxCopies();
  const std::vector<std::string> vouchers = Vouchers();
  ASSERT_GE(vouchers.size(), 3000u);
  ASSERT_EQ(linux.size(), vouchers.size());
  const std::string closing(74, '=');
  for (const std::string& voucher : vouchers) {
    ASSERT_TRUE(linux.contains(voucher)) << voucher;
    const BundledCopy& copy = linux.at(voucher);
    EXPECT_EQ(copy.status, 0) << voucher;
    EXPECT_TRUE(copy.copy.starts_with("Kuittikopio, tositenumero M" + voucher + "-001\r\n"))
        << voucher;
    EXPECT_TRUE(copy.copy.ends_with("\r\n" + closing)) << voucher;
  }
}

// Every voucher rendered in one process, each as the program renders it alone, byte for byte
// as the Linux program renders it.
TEST_F(SampleData, EveryCopyInOneProcessAsOnLinux) {
  const std::map<std::string, BundledCopy> linux = LinuxCopies();
  const Outcome rendered = RunProgram(KUITTI_COPY_EVERY_VOUCHER_BINARY,
                                      {{directory_->path().string()}, {"LC_ALL=fi_FI.UTF-8"}, ""});
  ASSERT_EQ(rendered.exitCode, 0) << rendered.err;
  EXPECT_EQ(rendered.err, "");
  const std::vector<BundledCopy> copies = ReadBundle(rendered.out);
  ASSERT_EQ(copies.size(), linux.size());
  for (const BundledCopy& copy : copies) {
    ASSERT_TRUE(SameAsOnLinux(copy, linux));
  }
}

// The program itself, a process for each voucher: every voucher where a start is cheap, every
// hundredth under wine, where each start costs a tenth of a second.
TEST_F(SampleData, CopiesThroughTheProgramAsOnLinux) {
#ifdef _WIN32
  constexpr std::size_t kEvery = 100;
#else
  constexpr std::size_t kEvery = 1;
#endif
  const std::map<std::string, BundledCopy> linux = LinuxCopies();
  const std::vector<std::string> vouchers = Vouchers();
  for (std::size_t i = 0; i < vouchers.size(); i += kEvery) {
    const Outcome outcome = Render(vouchers[i]);
    EXPECT_EQ(outcome.err, "") << vouchers[i];
    ASSERT_TRUE(SameAsOnLinux({vouchers[i], outcome.exitCode, outcome.out}, linux));
  }
  const Outcome last = Render(vouchers.back());
  EXPECT_TRUE(SameAsOnLinux({vouchers.back(), last.exitCode, last.out}, linux));
}

#else

TEST(SampleData, NeedsTheLinuxCopies) {
  GTEST_SKIP() << "the Linux copies of the sample vouchers are not known: configure with "
                  "-DKUITTI_LINUX_SAMPLE_COPIES=LINUX-BUILD/tests/cli/sample-copies.txt";
}

#endif

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
