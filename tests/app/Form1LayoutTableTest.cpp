// The layout table of Form1, from which every toolkit makes the window. Its places and texts are
// checked where a toolkit shows them (tests/gui); here what every toolkit relies on.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/Form1Layout.h"

namespace kuitti::test {
namespace {

TEST(Form1Layout, RowsInTabOrderEachFoundByItsControlOnlyMUnderItsNeighbours) {
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < form1::kControls.size(); ++i) {
    const ControlLayout& row = form1::kControls[i];
    EXPECT_EQ(row.tabIndex, static_cast<int>(i)) << row.name;
    EXPECT_EQ(&form1::LayoutOf(row.control), &row) << row.name;
    EXPECT_TRUE(names.insert(row.name).second) << row.name << " twice";
    EXPECT_EQ(row.underNeighbours, row.name == "Label2") << row.name;
    // Every control lies inside the client area.
    EXPECT_LE(row.place.left + row.place.width, form1::kClientWidth) << row.name;
    EXPECT_LE(row.place.top + row.place.height, form1::kClientHeight) << row.name;
  }
}

TEST(Form1Layout, TheVoucherBoxTakesWhatTheCopysHeadingHasRoomFor) {
  // "Kuittikopio, tositenumero M" + the entry + "-001" fills the 74 columns of the copy.
  EXPECT_EQ(form1::kLongestEntry, 43u);
}

TEST(Form1Layout, TwipsArePixelsAtTheScreensDotsPerInch) {
  struct Case {
    int twips, dotsPerInch, pixels;
  };
  for (const Case& c : {Case{9030, 96, 602}, Case{8175, 96, 545}, Case{9015, 96, 601},
                        Case{9030, 144, 903}, Case{120, 120, 10}, Case{7, 96, 0}}) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dotsPerInch), c.pixels)
        << c.twips << " at " << c.dotsPerInch;
  }
}

}  // namespace
}  // namespace kuitti::test
