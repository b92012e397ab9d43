// The layout table of Form1, from which every toolkit makes the window.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "Form1Layout.h"

namespace kuitti::test {
namespace {

struct Expected {
  std::string name;
  ControlKind kind;
  std::string text;
  int left, top, width, height;
};

// In the order of the tab index.
const std::vector<Expected> kTable = {
    {"Text1", ControlKind::kMultiLineBox, "", 0, 600, 9015, 7215},
    {"Command1", ControlKind::kButton, "Hae", 4800, 120, 1215, 375},
    {"Text2", ControlKind::kSingleLineBox, "", 2160, 120, 1695, 285},
    {"Command2", ControlKind::kButton, "Sulje", 7800, 120, 1215, 375},
    {"Label1", ControlKind::kLabel, "Tositenumero", 120, 120, 1815, 255},
    {"Command3", ControlKind::kButton, "Tulosta", 6120, 120, 1215, 375},
    {"Label2", ControlKind::kLabel, "M", 1920, 120, 615, 375},
    {"Label3", ControlKind::kLabel, "-001", 3960, 120, 615, 375},
    {"Label4", ControlKind::kLabel, "Vain sisäiseen käyttöön", 120, 7920, 4335, 255},
    {"Label5", ControlKind::kLabel, "www.kassatuki.example", 2640, 7920, 4335, 255},
};

TEST(Form1Layout, EveryControlWithItsKindTextPlaceAndTabIndex) {
  ASSERT_EQ(form1::kControls.size(), kTable.size());
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    const ControlLayout& row = form1::kControls[i];
    const Expected& expected = kTable[i];
    EXPECT_EQ(row.name, expected.name) << i;
    EXPECT_EQ(row.kind, expected.kind) << expected.name;
    EXPECT_EQ(row.text, expected.text) << expected.name;
    EXPECT_EQ(std::tie(row.place.left, row.place.top, row.place.width, row.place.height),
              std::tie(expected.left, expected.top, expected.width, expected.height))
        << expected.name;
    EXPECT_EQ(row.tabIndex, static_cast<int>(i)) << expected.name;
    // Each row is found again by its control.
    EXPECT_EQ(&form1::LayoutOf(row.control), &row) << expected.name;
    // Only "M" lies under the voucher box it overlaps.
    EXPECT_EQ(row.underNeighbours, expected.name == "Label2") << expected.name;
  }
}

TEST(Form1Layout, TheWindowAndTheCopyBox) {
  EXPECT_EQ(form1::kCaption, "Korvex - Tarjolux");
  EXPECT_EQ(form1::kClientWidth, 9030);
  EXPECT_EQ(form1::kClientHeight, 8175);
  EXPECT_EQ(std::tie(form1::kCopyBackground.red, form1::kCopyBackground.green,
                     form1::kCopyBackground.blue),
            std::make_tuple(224, 224, 224));
  const FontRequest& font = form1::kCopyFont;
  EXPECT_EQ(font.face, "Courier");
  EXPECT_EQ(font.points, 9.75);
  EXPECT_EQ(font.weight, 400);
  EXPECT_EQ(font.characterSet, 0);
  EXPECT_FALSE(font.italic || font.underline || font.strikeOut);
  // "Kuittikopio, tositenumero M" + the entry + "-001" fills the 74 columns of the copy.
  EXPECT_EQ(form1::kLongestEntry, 43u);
}

TEST(Form1Layout, TwipsArePixelsAtTheScreensDotsPerInch) {
  struct Case {
    int twips, dotsPerInch, pixels;
  };
  for (const Case& c :
       {Case{9030, 96, 602}, Case{8175, 96, 545}, Case{9015, 96, 601}, Case{1695, 96, 113},
        Case{9030, 144, 903}, Case{120, 120, 10}, Case{7, 96, 0}}) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dotsPerInch), c.pixels)
        << c.twips << " at " << c.dotsPerInch;
  }
}

}  // namespace
}  // namespace kuitti::test
