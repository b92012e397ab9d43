#include "print/PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace kuitti {
namespace {

constexpr double kPointsPerMillimetre = 72 / 25.4;
constexpr double kNarrowestSheet = 148 * kPointsPerMillimetre;
constexpr double kSheetMargin = 10 * kPointsPerMillimetre;

std::size_t Characters(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  }));
}

}  // namespace

TextArea TextAreaOf(const PrinterPage& page) {
  const double least = page.paperWidth + 0.01 >= kNarrowestSheet ? kSheetMargin : 0;
  const double left = std::max(least, page.unprintableLeft);
  const double top = std::max(least, page.unprintableTop);
  const double right = std::max(least, page.unprintableRight);
  const double bottom = std::max(least, page.unprintableBottom);
  return {left, top, std::max(0.0, page.paperWidth - left - right),
          std::max(0.0, page.paperHeight - top - bottom)};
}

double FittingFontSize(double preferred, double advance, std::size_t columns, double width) {
  if (columns == 0 || advance <= 0 || advance * static_cast<double>(columns) <= width) {
    return preferred;
  }
  const double size = preferred * width / (advance * static_cast<double>(columns));
  return std::floor(size * 100) / 100;
}

std::size_t LongestLine(std::string_view text) {
  std::size_t longest = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    longest = std::max(longest, Characters(text.substr(start, end - start)));
    if (end == text.size()) {
      break;
    }
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return longest;
}

}  // namespace kuitti
