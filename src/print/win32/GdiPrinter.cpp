#include "print/win32/GdiPrinter.h"

#include <cmath>

#include "data/RuntimeError.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowsErrorText.h"
#include "print/PrintLayout.h"
#include "print/win32/DefaultPrinterName.h"

namespace kuitti {
namespace {

[[noreturn]] void RaiseLastError() {
  const DWORD code = GetLastError();
  throw RuntimeError(kPrinterError, WindowsErrorText(code));
}

}  // namespace

GdiPrinter::~GdiPrinter() {
  Reset();
}

void GdiPrinter::SetFontName(const std::string& name) {
  fontName_ = WideFromUtf8(name);
}

void GdiPrinter::SetFontSize(float points) {
  fontPoints_ = points;
}

void GdiPrinter::FitColumns(std::size_t columns) {
  if (!dc_) {
    BeginDocument();
  }
  const int dpi = GetDeviceCaps(dc_, LOGPIXELSY);
  const double fitting = FittingFontSize(fontPoints_, CharacterAdvance(), columns, width_);
  if (fitting >= fontPoints_) {
    return;
  }
  fontPoints_ = static_cast<float>(fitting);
  // Whole device units, rounded down, then smaller still while the face's advance rounds up.
  int height = static_cast<int>(std::floor(fitting * dpi / 72.0));
  MakeFont(height);
  while (height > 1 && static_cast<double>(CharacterAdvance()) * columns > width_) {
    MakeFont(--height);
  }
}

void GdiPrinter::Print(const std::string& text) {
  if (!dc_) {
    BeginDocument();
  }
  const std::wstring wide = WideFromUtf8(text);
  std::size_t start = 0;
  while (true) {
    const std::size_t end = wide.find(L'\n', start);
    std::wstring line = wide.substr(start, end == std::wstring::npos ? end : end - start);
    if (!line.empty() && line.back() == L'\r') {
      line.pop_back();
    }
    PrintLine(line);
    if (end == std::wstring::npos) {
      break;
    }
    start = end + 1;
  }
}

void GdiPrinter::EndDocument() {
  if (!dc_) {
    BeginDocument();
  }
  if (inPage_) {
    EndPage();
  }
  const bool sent = EndDoc(dc_) > 0;
  const DWORD code = GetLastError();
  DeleteDC(dc_);
  dc_ = nullptr;
  Reset();
  if (!sent) {
    throw RuntimeError(kPrinterError, WindowsErrorText(code));
  }
}

void GdiPrinter::AbortDocument() {
  if (dc_) {
    AbortDoc(dc_);
  }
  Reset();
}

void GdiPrinter::BeginDocument() {
  const std::wstring name = DefaultPrinterName();
  CheckPrinterReady(name);
  dc_ = CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr);
  if (!dc_) {
    RaiseLastError();
  }
  DOCINFOW info{};
  info.cbSize = sizeof info;
  info.lpszDocName = L"Kuittikopio";
  if (StartDocW(dc_, &info) <= 0) {
    const DWORD code = GetLastError();
    Reset();
    throw RuntimeError(kPrinterError, WindowsErrorText(code));
  }
  // The paper and what the printer cannot print on, in points, for the shared rule.
  const double dpiX = GetDeviceCaps(dc_, LOGPIXELSX);
  const double dpiY = GetDeviceCaps(dc_, LOGPIXELSY);
  const int offsetX = GetDeviceCaps(dc_, PHYSICALOFFSETX);
  const int offsetY = GetDeviceCaps(dc_, PHYSICALOFFSETY);
  const int paperWidth = GetDeviceCaps(dc_, PHYSICALWIDTH);
  const int paperHeight = GetDeviceCaps(dc_, PHYSICALHEIGHT);
  const int printableWidth = GetDeviceCaps(dc_, HORZRES);
  const int printableHeight = GetDeviceCaps(dc_, VERTRES);
  const TextArea area =
      TextAreaOf({paperWidth * 72 / dpiX, paperHeight * 72 / dpiY, offsetX * 72 / dpiX,
                  offsetY * 72 / dpiY, (paperWidth - printableWidth - offsetX) * 72 / dpiX,
                  (paperHeight - printableHeight - offsetY) * 72 / dpiY});
  left_ = static_cast<int>(std::ceil(area.left * dpiX / 72)) - offsetX;
  top_ = static_cast<int>(std::ceil(area.top * dpiY / 72)) - offsetY;
  width_ = static_cast<int>(std::floor(area.width * dpiX / 72));
  height_ = static_cast<int>(std::floor(area.height * dpiY / 72));
  MakeFont(static_cast<int>(std::lround(fontPoints_ * dpiY / 72.0)));
  BeginPage();
}

void GdiPrinter::MakeFont(int height) {
  HFONT font = CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           FIXED_PITCH | FF_MODERN, fontName_.c_str());
  if (!font) {
    RaiseLastError();
  }
  if (inPage_) {
    SelectObject(dc_, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
  }
  if (font_) {
    DeleteObject(font_);
  }
  font_ = font;
}

int GdiPrinter::CharacterAdvance() {
  SIZE size{};
  GetTextExtentPoint32W(dc_, L"M", 1, &size);
  return size.cx;
}

void GdiPrinter::BeginPage() {
  if (StartPage(dc_) <= 0) {
    RaiseLastError();
  }
  inPage_ = true;
  // Some drivers reset the device context at every page.
  SelectObject(dc_, font_);
  SetBkMode(dc_, TRANSPARENT);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
  lineTop_ = 0;
}

void GdiPrinter::EndPage() {
  inPage_ = false;
  if (::EndPage(dc_) <= 0) {
    RaiseLastError();
  }
}

void GdiPrinter::PrintLine(const std::wstring& line) {
  if (lineTop_ > 0 && lineTop_ + lineHeight_ > height_) {
    EndPage();
    BeginPage();
  }
  if (!line.empty() &&
      !TextOutW(dc_, left_, top_ + lineTop_, line.c_str(), static_cast<int>(line.size()))) {
    RaiseLastError();
  }
  lineTop_ += lineHeight_;
}

void GdiPrinter::Reset() {
  if (dc_) {
    DeleteDC(dc_);
    dc_ = nullptr;
  }
  if (font_) {
    DeleteObject(font_);
    font_ = nullptr;
  }
  inPage_ = false;
  lineTop_ = 0;
}

}  // namespace kuitti
