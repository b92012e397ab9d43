#include "app/win32/CopyBoxPaint.h"

namespace kuitti {

namespace {

Rgb RgbOf(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

COLORREF ColorRefOf(const Rgb& colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace

std::optional<CopyBoxColours> HighContrastWindowColours() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) ||
      !(contrast.dwFlags & HCF_HIGHCONTRASTON)) {
    return std::nullopt;
  }
  return CopyBoxColours{RgbOf(GetSysColor(COLOR_WINDOWTEXT)), RgbOf(GetSysColor(COLOR_WINDOW))};
}

HBRUSH PaintCopyBox(HDC dc, HBRUSH grey, const std::optional<CopyBoxColours>& highContrast) {
  const CopyBoxColours colours = CopyBoxColoursIn(highContrast);
  SetTextColor(dc, ColorRefOf(colours.text));
  SetBkColor(dc, ColorRefOf(colours.background));
  return highContrast ? GetSysColorBrush(COLOR_WINDOW) : grey;
}

}  // namespace kuitti
