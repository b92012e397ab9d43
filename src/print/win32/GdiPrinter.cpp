#include "GdiPrinter.h"

#include <cmath>

#include "DefaultPrinterName.h"
#include "RuntimeError.h"
#include "WideText.h"
#include "WindowsErrorText.h"

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
  const int height =
      -static_cast<int>(std::lround(fontPoints_ * GetDeviceCaps(dc_, LOGPIXELSY) / 72.0f));
  font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      FIXED_PITCH | FF_MODERN, fontName_.c_str());
  pageHeight_ = GetDeviceCaps(dc_, VERTRES);
  BeginPage();
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
  if (lineTop_ > 0 && lineTop_ + lineHeight_ > pageHeight_) {
    EndPage();
    BeginPage();
  }
  if (!line.empty() && !TextOutW(dc_, 0, lineTop_, line.c_str(), static_cast<int>(line.size()))) {
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
