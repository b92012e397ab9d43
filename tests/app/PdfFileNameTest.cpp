#include <gtest/gtest.h>

#include "app/PdfFileName.h"

namespace kuitti::test {
namespace {

TEST(PdfFileName, TheVoucherAsTheHeadingPrintsItWithNothingAFileNameCannotHold) {
  struct Case {
    std::string copy;
    std::string name;
  };
  const std::vector<Case> cases = {
      {"Kuittikopio, tositenumero M104233-001\r\n\r\n----", "Kuittikopio M104233-001.pdf"},
      {"Kuittikopio, tositenumero M104233-001", "Kuittikopio M104233-001.pdf"},
      {"Kuittikopio, tositenumero M  104233 -001\r\n", "Kuittikopio M  104233 -001.pdf"},
      {"Kuittikopio, tositenumero MA/B:C*-001\r\n", "Kuittikopio MA_B_C_-001.pdf"},
      {"Kuittikopio, tositenumero MÄÖ\"<>|?\\-001\r\n", "Kuittikopio MÄÖ______-001.pdf"},
      {"Kuittikopio, tositenumero M\t12345-001\r\n", "Kuittikopio M_12345-001.pdf"},
      {"jotain muuta\r\n", "Kuittikopio.pdf"},
      {"", "Kuittikopio.pdf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PdfFileName(c.copy), c.name) << c.copy;
  }
}

}  // namespace
}  // namespace kuitti::test
