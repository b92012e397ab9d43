#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kuitti {

// The controls of Form1. The order is their tab index.
enum class Control {
  kText1,     // the copy box
  kCommand1,  // "Hae"
  kText2,     // the voucher box
  kCommand2,  // "Sulje"
  kLabel1,
  kCommand3,  // "Tulosta"
  kLabel2,
  kLabel3,
  kLabel4,
  kLabel5,
};

enum class ControlKind { kLabel, kSingleLineBox, kMultiLineBox, kButton };

// A rectangle in twips (1/1440 inch) from the top-left corner of the window's client area.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ControlLayout {
  Control control;
  std::string_view name;  // the control's name, also its name for tests and accessibility tools
  ControlKind kind;
  std::string_view text;  // initial text, UTF-8
  TwipsRect place;
  int tabIndex;
  bool underNeighbours;  // drawn below the controls it overlaps
};

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
};

// A font as the window asks for it; each toolkit maps it to a face it has.
struct FontRequest {
  std::string_view face;
  double points = 0;
  int weight = 0;
  int characterSet = 0;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

// The fixed layout of Form1, the one window: every control at a fixed place in twips, nothing
// moving or resizing at run time; labels left-aligned and without a border, no menu, no default
// or cancel button.
namespace form1 {

inline constexpr std::string_view kCaption = "Korvex - Tarjolux";
inline constexpr int kClientWidth = 9030;
inline constexpr int kClientHeight = 8175;

// Text1, the copy box.
inline constexpr Rgb kCopyBackground{224, 224, 224};
inline constexpr FontRequest kCopyFont{"Courier", 9.75, 400, 0, false, false, false};

// Text2 (the voucher box) takes the longest entry whose heading line "Kuittikopio, tositenumero
// M…-001" still fits the width of the copy: a voucher number has six characters, the rest is room
// for stray spaces and a pasted "M123456-001" that the user trims in the box.
extern const std::size_t kLongestEntry;

// Every control, in the order of its tab index.
extern const std::array<ControlLayout, 10> kControls;

const ControlLayout& LayoutOf(Control control);

// A voucher number as Form1 frames the voucher box, between Label2 and Label3, and as the copy's
// heading names it: "M104233-001".
std::string FramedVoucher(std::string_view voucher);

}  // namespace form1

// Twips to pixels at the given dots per inch, rounded down: 15 twips a pixel at 96 DPI.
constexpr int TwipsToPixels(int twips, int dotsPerInch) {
  return twips * dotsPerInch / 1440;
}

}  // namespace kuitti
