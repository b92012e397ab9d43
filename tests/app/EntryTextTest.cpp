// Text2 holds one line without control characters, however its text comes in.

#include <gtest/gtest.h>

#include "app/EntryText.h"
#include "data/Utf8.h"

namespace kuitti::test {
namespace {

TEST(SingleLineText, TheFirstLineWithoutControlCharactersSpacesKept) {
  struct Case {
    const char* what;
    std::string text;
    std::string line;
  };
  const std::vector<Case> cases = {
      {"a number copied from a spreadsheet", "104233\n", "104233"},
      {"lines that end in CR LF", "104233\r\n104234\r\n", "104233"},
      {"a lone CR", "104233\r104234", "104233"},
      {"a vertical tab or form feed", "1042\v33\f9", "1042"},
      {"a line separator", "104233\u2028x", "104233"},
      {"a paragraph separator", "104233\u2029x", "104233"},
      {"next line, a C1 control", "104233\u0085x", "104233"},
      {"a tab and other control characters",
       "10\t42\x01"
       "33\x7F",
       "104233"},
      {"C1 controls", "10\u008042\u009F33", "104233"},
      {"spaces and no-break spaces stay", " 104 233\u00A0", " 104 233\u00A0"},
      {"letters stay, Finnish ones too", "M104233-001 äö", "M104233-001 äö"},
      {"a break first leaves nothing", "\n104233", ""},
      {"nothing", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SingleLineText(c.text), c.line) << c.what;
  }
}

TEST(SingleLineText, ATypedCharacterStaysUnlessItBreaksTheLineOrIsAControlCharacter) {
  struct Case {
    char32_t typed;
    bool stays;
  };
  for (const Case& c :
       {Case{U'1', true}, Case{U' ', true}, Case{U'~', true},
        Case{0xA0, true},  // a no-break space, just past C1
        Case{U'ä', true}, Case{0x1F600, true}, Case{0x00, false}, Case{U'\t', false},
        Case{U'\r', false}, Case{0x1F, false}, Case{0x7F, false}, Case{0x80, false},
        Case{0x85, false}, Case{0x9F, false}, Case{0x2028, false}, Case{0x2029, false}}) {
    EXPECT_EQ(StaysInOneLine(c.typed), c.stays) << std::hex << static_cast<unsigned>(c.typed);
    // The same rule as for a text that comes in whole.
    std::string text = "1";
    AppendUtf8(text, c.typed);
    text += "2";
    EXPECT_EQ(SingleLineText(text) == text, c.stays) << std::hex << static_cast<unsigned>(c.typed);
  }
}

}  // namespace
}  // namespace kuitti::test
