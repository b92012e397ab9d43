#include "app/win32/ControlFonts.h"

#include <cmath>

#include "platform/win32/WideText.h"

namespace kuitti {

HFONT MakeFont(const FontRequest& request, UINT dpi) {
  const int height = -static_cast<int>(std::lround(request.points * dpi / 72.0));
  return CreateFontW(height, 0, 0, 0, request.weight, request.italic, request.underline,
                     request.strikeOut, static_cast<DWORD>(request.characterSet),
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, WideFromUtf8(request.face).c_str());
}

HFONT MakeMessageFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace kuitti
