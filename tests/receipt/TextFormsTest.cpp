#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "data/RuntimeError.h"
#include "receipt/AmountText.h"
#include "receipt/DateTimeText.h"
#include "support/ErrorNumber.h"

namespace kuitti::test {
namespace {

TEST(AmountTextOfDouble, FifteenSignificantDigitsThenHalfAwayFromZero) {
  struct Case {
    double value;
    std::string text;
  };
  const std::vector<Case> cases = {
      {0.0, "0,00"},
      {-0.0, "0,00"},  // negative zero is not below zero
      {0.125, "0,13"},
      {-0.125, "-0,13"},
      {0.135, "0,14"},
      // 2.675 and 1.005 lie just below the half in binary; to 15 digits they are the half.
      {2.675, "2,68"},
      {-2.675, "-2,68"},
      {1.005, "1,01"},
      {0.005, "0,01"},
      {0.00499999, "0,00"},
      {0.1 + 0.2, "0,30"},
      {99.99999999999999, "100,00"},
      {-0.001, "-0,00"},
      {-1e-300, "-0,00"},
      {5e-324, "0,00"},
      {124.0 / 1.24, "100,00"},
      {123456789.125, "123456789,13"},
      // Fifteen digits leave no fraction: 123456789012345.67 → 123456789012346.
      {123456789012345.67, "123456789012346,00"},
      {1e20, "100000000000000000000,00"},
      {-1e20, "-100000000000000000000,00"},
      {9.999999999999999, "10,00"},
      {1234567.891, "1234567,89"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AmountText(c.value, ","), c.text) << c.value;
  }
  EXPECT_EQ(AmountText(-2.675, "."), "-2.68");
  for (double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
    EXPECT_EQ(ErrorNumberOf([bad] { AmountText(bad, ","); }), 6) << bad;
  }
}

TEST(RightAligned, PadsOnTheLeftOrDropsLeadingCharacters) {
  struct Case {
    std::string text;
    std::size_t width;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"abc", 5, "  abc"},
      {"abc", 3, "abc"},
      {"abcdef", 3, "def"},
      {"", 2, "  "},
      {"123456789,00", 11, "23456789,00"},
      // Characters, not bytes.
      {"äö", 3, " äö"},
      {"Äxy", 2, "xy"},
      {"xÄy", 2, "Äy"},
      {"€ä", 1, "ä"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RightAligned(c.text, c.width), c.expected) << c.text << " in " << c.width;
  }
}

std::string DateAndTimeText(DateAndTimeWriter& writer, double value) {
  char shown[kLongestDateText + 2 + kTimeTextLength];
  return std::string(shown, writer.Put(shown, value, "  "));
}

TEST(DateAndTimeText, DayValuesToTexts) {
  struct Case {
    double value;
    std::string date;
    std::string time;
  };
  const std::vector<Case> cases = {
      {36526.5, "01.01.2000", "12:00:00"},
      {0.0, "30.12.1899", "00:00:00"},
      {-0.0, "30.12.1899", "00:00:00"},
      {-36526.5, "2000-01", "12:00:00"},
      {0.5, "30.12.1899", "12:00:00"},
      {1.75, "31.12.1899", "18:00:00"},
      {2.0, "01.01.1900", "00:00:00"},
      {60.0, "28.02.1900", "00:00:00"},
      {61.0, "01.03.1900", "00:00:00"},
      {36585.25, "29.02.2000", "06:00:00"},
      {36586.0, "01.03.2000", "00:00:00"},
      {45000.75, "15.03.2023", "18:00:00"},
      {44927.3, "01.01.2023", "07:12:00"},
      {2958465.0, "31.12.9999", "00:00:00"},
      {2958465.9, "31.12.9999", "21:36:00"},
      // Below zero: year and month of the whole part of the absolute value; the time of the
      // fraction of the absolute value.
      {-0.25, "1899-12", "06:00:00"},
      {0.25, "30.12.1899", "06:00:00"},
      {-1.75, "1899-12", "18:00:00"},
      {-36557.0, "2000-02", "00:00:00"},
      {-36556.99, "2000-01", "23:45:36"},
      {-2958465.9, "9999-12", "21:36:00"},
      // Whole seconds, a half rounded up: 1/256 of a day is 337.5 s.
      {1.0 / 256, "30.12.1899", "00:05:38"},
      {36526 + 3.0 / 256, "01.01.2000", "00:16:53"},
      {255.0 / 256, "30.12.1899", "23:54:23"},
      {-(36526 + 1.0 / 256), "2000-01", "00:05:38"},
      {1.0 / 3, "30.12.1899", "08:00:00"},
      {44927.99999, "01.01.2023", "23:59:59"},
      // Rounded to the second once for both texts: from 23:59:59.5 on, midnight of the next
      // day (31.12.2023 is day 45291).
      {45291 + 86399.4 / 86400, "31.12.2023", "23:59:59"},
      {45291 + 86399.5 / 86400, "01.01.2024", "00:00:00"},
      {45291 + 86399.7 / 86400, "01.01.2024", "00:00:00"},
      {0.99999999, "31.12.1899", "00:00:00"},
      {36526.999999, "02.01.2000", "00:00:00"},
      {2958465 + 86399.0 / 86400, "31.12.9999", "23:59:59"},
      {2958465 + 86399.4 / 86400, "31.12.9999", "23:59:59"},
      // Below zero the date stays that of the whole part.
      {-(45291 + 86399.7 / 86400), "2023-12", "00:00:00"},
      {-0.99999999, "1899-12", "00:00:00"},
      {-(2958465 + 86399.7 / 86400), "9999-12", "00:00:00"},
  };
  // The listing's form, both from one rounding, by one writer for all values, which keeps
  // the last date: in this order and the other way round.
  DateAndTimeWriter forward;
  for (const Case& c : cases) {
    EXPECT_EQ(DateText(c.value), c.date) << c.value;
    EXPECT_EQ(TimeText(c.value), c.time) << c.value;
    EXPECT_EQ(DateAndTimeText(forward, c.value), c.date + "  " + c.time) << c.value;
  }
  DateAndTimeWriter backward;
  for (auto c = cases.rbegin(); c != cases.rend(); ++c) {
    EXPECT_EQ(DateAndTimeText(backward, c->value), c->date + "  " + c->time) << c->value;
  }
}

TEST(DateAndTimeText, ValuesPastTheCalendarOverflow) {
  for (double bad :
       {std::nan(""), HUGE_VAL, -HUGE_VAL, 2958466.0, -2958466.0, 2958466.5, 1e300, -1e300,
        // Rounds to midnight of 1 January 10000.
        2958465 + 86399.6 / 86400, std::nextafter(2958466.0, 0.0)}) {
    EXPECT_EQ(ErrorNumberOf([bad] { DateText(bad); }), 6) << bad;
    EXPECT_EQ(ErrorNumberOf([bad] { TimeText(bad); }), 6) << bad;
    DateAndTimeWriter writer;
    EXPECT_EQ(ErrorNumberOf([&writer, bad] { DateAndTimeText(writer, bad); }), 6) << bad;
  }
}

}  // namespace
}  // namespace kuitti::test
