#pragma once

#include <cstddef>
#include <string_view>

namespace kuitti {

// Where the copy goes on the paper and how large, the rules every printer follows. Lengths are
// in points (1/72 inch) from the paper's top-left corner.

// The paper, and the margins along its edges that the printer cannot print on.
struct PrinterPage {
  double paperWidth = 0;
  double paperHeight = 0;
  double unprintableLeft = 0;
  double unprintableTop = 0;
  double unprintableRight = 0;
  double unprintableBottom = 0;
};

struct TextArea {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

// Sheets from 148 mm (A5) wide keep the text at least 10 mm from every edge, the printer's own
// margins counting towards them, so it never touches the edge on a printer that reports none; a
// narrower roll is printed to its printer's own margins, since every millimetre counts there.
TextArea TextAreaOf(const PrinterPage& page);

// The size at which `columns` characters of a fixed-pitch face fit `width`: the `preferred`
// size where they fit at it, otherwise just small enough, rounded down to 1/100 point.
// `advance` is one character's advance at the preferred size, as the printer measured the face
// it gave, in the unit of `width`. Never a cut column, on any paper.
double FittingFontSize(double preferred, double advance, std::size_t columns, double width);

// The length of the text's longest line in characters (UTF-8; CR, LF or CR LF end a line).
std::size_t LongestLine(std::string_view text);

}  // namespace kuitti
