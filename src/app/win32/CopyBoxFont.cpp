#include "app/win32/CopyBoxFont.h"

#include <cmath>
#include <cstdlib>

#include "app/win32/ControlFonts.h"

namespace kuitti {

namespace {

constexpr wchar_t kScalingFace[] = L"Courier New";

}  // namespace

void DropCopyBoxMargins(HWND box) {
  SendMessageW(box, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
}

bool KeepsTheColumns(HFONT font, int pixels) {
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ before = SelectObject(screen, font);
  TEXTMETRICW metrics{};
  const bool measured = GetTextMetricsW(screen, &metrics);
  SelectObject(screen, before);
  ReleaseDC(nullptr, screen);
  if (!measured || (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH)) {
    return false;  // the bit set means a variable pitch
  }
  const bool scales = metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE);
  return scales || std::abs(metrics.tmHeight - metrics.tmInternalLeading - pixels) <= 1;
}

HFONT MakeCopyBoxFont(const FontRequest& request, UINT dpi) {
  const int pixels = static_cast<int>(std::lround(request.points * dpi / 72.0));
  const HFONT asked = MakeFont(request, dpi);
  if (KeepsTheColumns(asked, pixels)) {
    return asked;
  }
  DeleteObject(asked);
  // Asked for as fixed-pitch too, so that a system without the face still maps to one.
  return CreateFontW(-pixels, 0, 0, 0, request.weight, request.italic, request.underline,
                     request.strikeOut, static_cast<DWORD>(request.characterSet),
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     FIXED_PITCH | FF_MODERN, kScalingFace);
}

}  // namespace kuitti
