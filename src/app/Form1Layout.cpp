#include "app/Form1Layout.h"

#include "app/Commands.h"
#include "receipt/ReceiptLayout.h"

namespace kuitti::form1 {

const std::size_t kLongestEntry =
    layout::kWidth - layout::kHeadingStart.size() - layout::kVoucherSuffix.size();

// "M" lies under the left end of the voucher box, which covers the overlap; Label5 overlaps the
// right part of Label4. The buttons show their commands' texts.
const std::array<ControlLayout, 10> kControls = {{
    // the copy box
    {Control::kText1, "Text1", ControlKind::kMultiLineBox, "", {0, 600, 9015, 7215}, 0, false},
    // "Hae"
    {Control::kCommand1,
     "Command1",
     ControlKind::kButton,
     TextOf(Command::kFetch),
     {4800, 120, 1215, 375},
     1,
     false},
    // the voucher box
    {Control::kText2, "Text2", ControlKind::kSingleLineBox, "", {2160, 120, 1695, 285}, 2, false},
    // "Sulje"
    {Control::kCommand2,
     "Command2",
     ControlKind::kButton,
     TextOf(Command::kQuit),
     {7800, 120, 1215, 375},
     3,
     false},
    {Control::kLabel1,
     "Label1",
     ControlKind::kLabel,
     "Tositenumero",
     {120, 120, 1815, 255},
     4,
     false},
    // "Tulosta"
    {Control::kCommand3,
     "Command3",
     ControlKind::kButton,
     TextOf(Command::kPrint),
     {6120, 120, 1215, 375},
     5,
     false},
    // "M" and "-001" before and after the voucher box
    {Control::kLabel2, "Label2", ControlKind::kLabel, "M", {1920, 120, 615, 375}, 6, true},
    {Control::kLabel3,
     "Label3",
     ControlKind::kLabel,
     layout::kVoucherSuffix,
     {3960, 120, 615, 375},
     7,
     false},
    {Control::kLabel4,
     "Label4",
     ControlKind::kLabel,
     "Vain sisäiseen käyttöön",
     {120, 7920, 4335, 255},
     8,
     false},
    {Control::kLabel5,
     "Label5",
     ControlKind::kLabel,
     "www.kassatuki.example",
     {2640, 7920, 4335, 255},
     9,
     false},
}};

const ControlLayout& LayoutOf(Control control) {
  return kControls[static_cast<std::size_t>(control)];
}

std::string FramedVoucher(std::string_view voucher) {
  std::string framed(LayoutOf(Control::kLabel2).text);
  framed += voucher;
  framed += LayoutOf(Control::kLabel3).text;
  return framed;
}

}  // namespace kuitti::form1
