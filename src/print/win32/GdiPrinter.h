#pragma once

#include <windows.h>

#include <string>

#include "print/ReceiptPrinting.h"

namespace kuitti {

// The Windows default printer through GDI: one document "Kuittikopio" per print, the text line
// by line from the top-left corner of the text area (the shared rule's margins on the paper) in
// the font set before, made smaller where asked so the longest line fits, a new page when the
// next line does not fit. The default printer is looked up for every document, so one
// chosen while the program runs is used by the next print. Every failure is a RuntimeError 482.
class GdiPrinter final : public Printer {
 public:
  GdiPrinter() = default;
  ~GdiPrinter() override;
  GdiPrinter(const GdiPrinter&) = delete;
  GdiPrinter& operator=(const GdiPrinter&) = delete;

  void SetFontName(const std::string& name) override;
  void SetFontSize(float points) override;
  void FitColumns(std::size_t columns) override;
  void Print(const std::string& text) override;
  void EndDocument() override;
  void AbortDocument() override;

 private:
  void BeginDocument();
  void MakeFont(int height);
  int CharacterAdvance();
  void BeginPage();
  void EndPage();
  void PrintLine(const std::wstring& line);
  void Reset();

  std::wstring fontName_ = L"courier new";
  float fontPoints_ = 10;
  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
  bool inPage_ = false;
  int lineHeight_ = 0;
  // The text area in device units, from the printable area's corner, where GDI's origin is.
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  int lineTop_ = 0;
};

}  // namespace kuitti
