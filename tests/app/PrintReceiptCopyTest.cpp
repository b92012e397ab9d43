// The print command's steps against a fake printer.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/RuntimeError.h"
#include "print/ReceiptPrinting.h"
#include "support/FakePrinter.h"

namespace kuitti::test {
namespace {

const std::string kCopy = "Kuittikopio\r\n\r\nYhteensä       52,37";

TEST(PrintReceiptCopy, StepsRunInOrderWithTheFontAskedForAndTheWholeText) {
  PrinterScript script;
  FakePrinter printer(script);
  PrintReceiptCopy(printer, kCopy);
  PrintReceiptCopy(printer, " \r\n");
  // The printer fits the longest line: "Yhteensä       52,37" has 20 characters.
  const std::vector<std::string> expected = {"SetFontName courier new",
                                             "SetFontSize 10",
                                             "FitColumns 20",
                                             "Print " + kCopy,
                                             "EndDocument",
                                             "SetFontName courier new",
                                             "SetFontSize 10",
                                             "FitColumns 1",
                                             "Print  \r\n",
                                             "EndDocument"};
  EXPECT_EQ(script.calls, expected);
}

TEST(PrintReceiptCopy, AFailingStepAbortsTheDocumentAndPassesTheErrorOn) {
  for (const char* name : {"SetFontName", "SetFontSize", "FitColumns", "Print", "EndDocument"}) {
    const std::string step = name;
    PrinterScript script;
    script.failAt = step;
    FakePrinter printer(script);
    try {
      PrintReceiptCopy(printer, kCopy);
      ADD_FAILURE() << name << ": no error";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(PrintErrorMessage(error), "Tulostusvirhe. Virhenumero:482  Tulostin ei vastaa.");
    }
    // Aborted at once: nothing of the printer runs after the failing step.
    const auto failing =
        std::find_if(script.calls.cbegin(), script.calls.cend(),
                     [&](const std::string& call) { return call.starts_with(step); });
    ASSERT_NE(failing, script.calls.cend()) << name;
    EXPECT_EQ(std::vector<std::string>(failing + 1, script.calls.cend()),
              std::vector<std::string>({"AbortDocument"}))
        << name;
  }
}

TEST(PrintReceiptCopy, NegativeErrorNumberKeepsItsSign) {
  EXPECT_EQ(PrintErrorMessage(RuntimeError(-7, "Tulostin ei vastaa.")),
            "Tulostusvirhe. Virhenumero:-7  Tulostin ei vastaa.");
}

}  // namespace
}  // namespace kuitti::test
