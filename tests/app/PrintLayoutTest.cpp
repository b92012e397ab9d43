// The rules every printer lays the copy out by: the text area on the paper and the font size
// at which the longest line fits it.

#include <gtest/gtest.h>

#include "print/PrintLayout.h"

namespace kuitti::test {
namespace {

constexpr double kMillimetre = 72 / 25.4;
constexpr double kA4Width = 210 * kMillimetre;
constexpr double kA4Height = 297 * kMillimetre;
constexpr double kLetterWidth = 612;

TEST(PrintLayout, SheetsKeepTenMillimetresRollsOnlyThePrintersOwnMargins) {
  struct Case {
    std::string name;
    PrinterPage page;
    TextArea area;
  };
  const double ten = 10 * kMillimetre;
  const std::vector<Case> cases = {
      {"A4 with no unprintable margin",
       {kA4Width, kA4Height, 0, 0, 0, 0},
       {ten, ten, kA4Width - 2 * ten, kA4Height - 2 * ten}},
      {"A4 whose printer cannot print 4 mm",
       {kA4Width, kA4Height, 11.3, 11.3, 11.3, 11.3},
       {ten, ten, kA4Width - 2 * ten, kA4Height - 2 * ten}},
      {"A4 whose printer cannot print 15 mm on the left",
       {kA4Width, kA4Height, 15 * kMillimetre, 0, 0, 0},
       {15 * kMillimetre, ten, kA4Width - 15 * kMillimetre - ten, kA4Height - 2 * ten}},
      {"A5, the narrowest sheet",
       {148 * kMillimetre, 210 * kMillimetre, 0, 0, 0, 0},
       {ten, ten, 128 * kMillimetre, 190 * kMillimetre}},
      {"a roll a little narrower",
       {147 * kMillimetre, 300, 0, 0, 0, 0},
       {0, 0, 147 * kMillimetre, 300}},
      {"an 80 mm roll", {80 * kMillimetre, 800, 8, 0, 8, 0}, {8, 0, 80 * kMillimetre - 16, 800}},
  };
  for (const Case& c : cases) {
    const TextArea area = TextAreaOf(c.page);
    EXPECT_NEAR(area.left, c.area.left, 1e-6) << c.name;
    EXPECT_NEAR(area.top, c.area.top, 1e-6) << c.name;
    EXPECT_NEAR(area.width, c.area.width, 1e-6) << c.name;
    EXPECT_NEAR(area.height, c.area.height, 1e-6) << c.name;
  }
}

// 74 columns of a face whose advance is 0.6 em (Courier New) or 0.62 em (a face the printer
// may give instead), on each paper's text area.
TEST(PrintLayout, TheFontShrinksJustEnoughForTheLongestLineAndOnlyWhereItMust) {
  struct Case {
    std::string name;
    double paperWidth;
    double advance;  // at 10 pt
    double size;
  };
  const std::vector<Case> cases = {
      {"A4", kA4Width, 6.0, 10},
      {"Letter", kLetterWidth, 6.0, 10},
      {"A4, a wider face", kA4Width, 6.2, 10},
      {"80 mm", 80 * kMillimetre, 6.0, 5.1},
      {"80 mm, a wider face", 80 * kMillimetre, 6.2, 4.94},
      {"58 mm", 58 * kMillimetre, 6.0, 3.7},
  };
  for (const Case& c : cases) {
    const TextArea area = TextAreaOf({c.paperWidth, kA4Height, 0, 0, 0, 0});
    const double size = FittingFontSize(10, c.advance, 74, area.width);
    EXPECT_NEAR(size, c.size, 0.005) << c.name;
    // The longest line fits at that size, and would not at 1/100 point more where shrunk.
    EXPECT_LE(74 * c.advance * size / 10, area.width) << c.name;
    if (size < 10) {
      EXPECT_GT(74 * c.advance * (size + 0.01) / 10, area.width) << c.name;
    }
  }
  EXPECT_EQ(FittingFontSize(10, 6, 0, 100), 10);
  EXPECT_EQ(FittingFontSize(10, 6, 20, 120), 10);
}

TEST(PrintLayout, TheLongestLineCountsCharactersWhateverEndsTheLines) {
  struct Case {
    std::string text;
    std::size_t longest;
  };
  const std::vector<Case> cases = {
      {"", 0},           {"abc", 3},          {"ab\r\nabcd\r\nabc", 4}, {"abcde\nab", 5},
      {"ab\rabcdef", 6}, {"Yhteensä\r\n", 8}, {"€€€\r\n\r\n", 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LongestLine(c.text), c.longest) << c.text;
  }
}

}  // namespace
}  // namespace kuitti::test
