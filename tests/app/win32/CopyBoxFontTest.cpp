#include "app/win32/CopyBoxFont.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/Form1Layout.h"
#include "receipt/ReceiptLayout.h"

namespace kuitti {
namespace {

struct Measured {
  std::wstring face;
  bool fixedPitch = false;
  int characterHeight = 0;
  int lineWidth = 0;  // of a line of the copy's width
};

Measured Measure(HFONT font) {
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ before = SelectObject(screen, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  wchar_t face[LF_FACESIZE]{};
  GetTextFaceW(screen, LF_FACESIZE, face);
  SIZE line{};
  const std::wstring columns(layout::kWidth, L'-');
  GetTextExtentPoint32W(screen, columns.c_str(), static_cast<int>(columns.size()), &line);
  SelectObject(screen, before);
  ReleaseDC(nullptr, screen);
  // The flag is set for a variable pitch.
  return {face, !(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH),
          metrics.tmHeight - metrics.tmInternalLeading, line.cx};
}

// The width an edit box of the copy box's kind and of this width gives its text in the font.
int TextWidthInABox(HFONT font, int width) {
  const HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_POPUP | ES_MULTILINE, 0, 0,
                                   width, 100, nullptr, nullptr, nullptr, nullptr);
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  DropCopyBoxMargins(box);
  RECT text{};
  SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  DestroyWindow(box);
  return text.right - text.left;
}

// Whatever face is asked for and whatever the DPI, the copy box gets a fixed-pitch font of
// the asked size whose 74 columns fill the box as the screen "Courier" does at 96 DPI, and
// fit inside it.
TEST(CopyBoxFont, FixedPitchAtTheAskedSizeFillingTheBoxAtEveryDpi) {
  struct Case {
    std::string_view face;
    bool replaced;  // by "Courier New" (under wine its metric twin Liberation Mono)
  };
  const std::vector<Case> cases = {
      {"Courier", false},
      {"MS Sans Serif", true},  // a proportional bitmap face
      {"Ei tällaista kirjasinta", true},
  };
  const ControlLayout& box = form1::LayoutOf(Control::kText1);
  for (const Case& c : cases) {
    for (const UINT dpi : {96u, 120u, 144u, 192u}) {
      FontRequest request = form1::kCopyFont;
      request.face = c.face;
      const HFONT font = MakeCopyBoxFont(request, dpi);
      const Measured measured = Measure(font);
      const std::string why = std::string(c.face) + " at " + std::to_string(dpi) + " DPI";
      EXPECT_TRUE(measured.fixedPitch) << why;
      if (c.replaced) {
        EXPECT_TRUE(measured.face == L"Courier New" || measured.face == L"Liberation Mono")
            << why << ": " << std::string(measured.face.begin(), measured.face.end());
      }
      const int pixels = static_cast<int>(std::lround(request.points * dpi / 72.0));
      EXPECT_LE(std::abs(measured.characterHeight - pixels), 1) << why;
      const int boxWidth = TwipsToPixels(box.place.width, static_cast<int>(dpi));
      EXPECT_GE(TextWidthInABox(font, boxWidth), measured.lineWidth) << why;
      EXPECT_LE(measured.lineWidth, boxWidth) << why;
      EXPECT_GE(measured.lineWidth, boxWidth * 9 / 10) << why;
      DeleteObject(font);
    }
  }
}

// At 96 DPI with the screen "Courier" installed, nothing changes: the bitmap face is kept.
TEST(CopyBoxFont, TheScreenCourierStaysAt96Dpi) {
  const HFONT font = MakeCopyBoxFont(form1::kCopyFont, 96);
  EXPECT_EQ(Measure(font).face, L"Courier");
  EXPECT_TRUE(KeepsTheColumns(font, 13));
  DeleteObject(font);
}

}  // namespace
}  // namespace kuitti
