#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/WindowsErrorText.h"
#include "print/win32/PrinterProblem.h"

namespace kuitti {
namespace {

struct StatusCase {
  const char* what;
  unsigned long status;
  unsigned long attributes;
  std::optional<std::string> problem;
};

const std::string kStopped = "Tulostin Kassa 1 on pysäytetty; työ jäisi odottamaan.";
const std::string kRefuses = "Tulostin Kassa 1 ei ota vastaan töitä.";

TEST(PrinterProblemTest, NamesWhatKeepsAJobFromPrinting) {
  const StatusCase cases[] = {
      {"ready", 0, 0, std::nullopt},
      {"printing", PRINTER_STATUS_PRINTING | PRINTER_STATUS_BUSY, 0, std::nullopt},
      {"warming up", PRINTER_STATUS_WARMING_UP, PRINTER_ATTRIBUTE_DEFAULT, std::nullopt},
      {"toner low", PRINTER_STATUS_TONER_LOW, 0, std::nullopt},
      {"paused", PRINTER_STATUS_PAUSED, 0, kStopped},
      {"offline", PRINTER_STATUS_OFFLINE, 0, kStopped},
      {"in error", PRINTER_STATUS_ERROR, 0, kStopped},
      {"not available", PRINTER_STATUS_NOT_AVAILABLE, 0, kStopped},
      {"used offline", 0, PRINTER_ATTRIBUTE_WORK_OFFLINE, kStopped},
      {"paused while printing", PRINTER_STATUS_PAUSED | PRINTER_STATUS_PRINTING, 0, kStopped},
      {"being deleted", PRINTER_STATUS_PENDING_DELETION, 0, kRefuses},
      {"being deleted while paused", PRINTER_STATUS_PENDING_DELETION | PRINTER_STATUS_PAUSED, 0,
       kRefuses},
  };
  for (const StatusCase& c : cases) {
    EXPECT_EQ(PrinterProblem("Kassa 1", c.status, c.attributes), c.problem) << c.what;
  }
}

TEST(WindowsErrorTextTest, GivesWindowsOwnDescriptionOnOneLine) {
  for (const unsigned long code : {ERROR_FILE_NOT_FOUND, ERROR_INVALID_HANDLE,
                                   ERROR_INVALID_PRINTER_NAME, ERROR_OUT_OF_PAPER}) {
    const std::string text = WindowsErrorText(code);
    EXPECT_FALSE(text.empty()) << code;
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << code << ": " << text;
    EXPECT_NE(text.back(), ' ') << code;
    EXPECT_EQ(text.find("Windows-virhe"), std::string::npos) << code << ": " << text;
  }
  EXPECT_NE(WindowsErrorText(ERROR_FILE_NOT_FOUND), WindowsErrorText(ERROR_INVALID_HANDLE));
}

TEST(WindowsErrorTextTest, NamesTheNumberOfAnUnknownCode) {
  EXPECT_EQ(WindowsErrorText(0x2FFFFFFF), "Windows-virhe 805306367.");
}

}  // namespace
}  // namespace kuitti
