// The decimal separator taken from glibc against QLocale::system(), which the program used
// before, for the locales this machine has generated.

#include <gtest/gtest.h>
#include <locale.h>

#include <QLocale>

#include "InChildProcess.h"
#include "ScopedEnvironment.h"
#include "platform/PlatformSettings.h"

namespace kuitti::test {
namespace {

std::string QtDecimalPoint() {
  return InChildProcess([] { return QLocale::system().decimalPoint().toStdString(); });
}

ScopedEnvironment::Variables Locale(std::optional<std::string> all,
                                    std::optional<std::string> numeric,
                                    std::optional<std::string> lang) {
  return {{"LC_ALL", all}, {"LC_NUMERIC", numeric}, {"LANG", lang}};
}

TEST(DecimalSeparatorParity, TheVariablesChooseAsInQt) {
  const auto none = std::nullopt;
  struct Case {
    ScopedEnvironment::Variables variables;
    std::string separator;
  };
  const std::vector<Case> cases = {
      {Locale(none, none, none), "."},
      {Locale("fi_FI.UTF-8", none, none), ","},
      {Locale("fi_FI.utf8", "C", "C"), ","},
      {Locale("C", "fi_FI.UTF-8", "fi_FI.UTF-8"), "."},
      {Locale("", "fi_FI.UTF-8", "C"), ","},
      {Locale(none, "C.utf8", "fi_FI.UTF-8"), "."},
      {Locale(none, "", "fi_FI.UTF-8"), ","},
      {Locale(none, none, "POSIX"), "."},
      {Locale(none, "POSIX", "fi_FI.UTF-8"), "."},
      {Locale(none, none, "C.UTF-8"), "."},
      // Only the numeric part counts, also when another names a locale glibc lacks.
      {{{"LC_ALL", none}, {"LC_NUMERIC", none}, {"LANG", "fi_FI.UTF-8"}, {"LC_TIME", "de_DE"}},
       ","},
  };
  for (const Case& c : cases) {
    const ScopedEnvironment environment(c.variables);
    EXPECT_EQ(QtDecimalPoint(), c.separator);
    EXPECT_EQ(RegionalNumberFormat().decimalSeparator, c.separator);
  }
}

// Where glibc lacks the locale named, the C locale's point, as in every program that asks glibc;
// Qt knows German without it and gives a comma.
TEST(DecimalSeparatorParity, ALocaleGlibcLacksGivesThePoint) {
  const ScopedEnvironment environment(Locale("de_DE.UTF-8", std::nullopt, std::nullopt));
  if (const locale_t german = ::newlocale(LC_NUMERIC_MASK, "", nullptr)) {
    ::freelocale(german);
    GTEST_SKIP() << "de_DE.UTF-8 is generated here";
  }
  EXPECT_EQ(RegionalNumberFormat().decimalSeparator, ".");
  EXPECT_EQ(QtDecimalPoint(), ",");
}

}  // namespace
}  // namespace kuitti::test
